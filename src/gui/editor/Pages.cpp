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

#include <initializer_list>

namespace tq58 {

namespace {

class PageSetBuilder {
public:
    explicit PageSetBuilder(PageSet& set) : set_(set) {}

    void Add(Page* page, std::initializer_list<NodeKind> kinds) {
        set_.All.push_back(page);
        for (const NodeKind kind : kinds) {
            set_.ByKind[kind] = page;
        }
    }

private:
    PageSet& set_;
};

} // namespace

PageSet CreatePages(EditorHost& host, QWidget* parent) {
    PageSet set;
    PageSetBuilder pages(set);
    pages.Add(new GeneralPage(host, "pictGeneral", parent), {NodeKind::General});
    pages.Add(new EmptyPage(host, "pictGrey", parent), {NodeKind::Grey});
    pages.Add(new UsablePage(host, "pictUsable", parent), {NodeKind::Usable});
    pages.Add(new CommonPage(host, "pictCommon", parent), {NodeKind::Common});
    pages.Add(new DscPage(host, "pictDSC", parent), {NodeKind::Dsc});
    pages.Add(new AtisPage(host, "pictATIS", parent), {NodeKind::Atis});
    pages.Add(new ChannelGridPage(host, "pictB", parent), {NodeKind::GroupGrid, NodeKind::ExpGrid});
    pages.Add(new WeatherPage(host, "pictD", parent), {NodeKind::Weather});
    pages.Add(new ChannelPage(host, "pictC", parent),
              {NodeKind::PlanChannel, NodeKind::ExpChannel});
    pages.Add(new DirectoryGridPage(host, "pictE", parent), {NodeKind::DirectoryGrid});
    pages.Add(new DirectoryEntryPage(host, "pictG", parent), {NodeKind::DirectoryEntry});
    return set;
}

} // namespace tq58
