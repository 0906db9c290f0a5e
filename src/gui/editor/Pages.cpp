#include "gui/editor/Pages.h"

#include "gui/editor/AtisPage.h"
#include "gui/editor/ChannelGridPage.h"
#include "gui/editor/ChannelPage.h"
#include "gui/editor/CommonPage.h"
#include "gui/editor/DirectoryEntryPage.h"
#include "gui/editor/DirectoryGridPage.h"
#include "gui/editor/DscPage.h"
#include "gui/editor/GeneralPage.h"
#include "gui/editor/UsablePage.h"
#include "gui/editor/WeatherPage.h"

namespace tq58 {

namespace {

template <typename P> PageMaker Maker(const char* name, std::vector<NodeKind> kinds) {
    return {std::move(kinds),
            [name](EditorHost& host, QWidget* parent) { return new P(host, name, parent); }};
}

} // namespace

const std::vector<PageMaker>& PageMakers() {
    static const std::vector<PageMaker> makers{
        Maker<GeneralPage>("pictGeneral", {NodeKind::General}),
        Maker<EmptyPage>("pictGrey", {NodeKind::Grey}),
        Maker<UsablePage>("pictUsable", {NodeKind::Usable}),
        Maker<CommonPage>("pictCommon", {NodeKind::Common}),
        Maker<DscPage>("pictDSC", {NodeKind::Dsc}),
        Maker<AtisPage>("pictATIS", {NodeKind::Atis}),
        Maker<ChannelGridPage>("pictB", {NodeKind::GroupGrid, NodeKind::ExpGrid}),
        Maker<WeatherPage>("pictD", {NodeKind::Weather}),
        Maker<ChannelPage>("pictC", {NodeKind::PlanChannel, NodeKind::ExpChannel}),
        Maker<DirectoryGridPage>("pictE", {NodeKind::DirectoryGrid}),
        Maker<DirectoryEntryPage>("pictG", {NodeKind::DirectoryEntry}),
    };
    return makers;
}

} // namespace tq58
