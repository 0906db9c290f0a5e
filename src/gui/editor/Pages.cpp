#include "gui/editor/Pages.h"

#include "gui/editor/ChannelGridPage.h"
#include "gui/editor/ChannelPage.h"
#include "gui/editor/GeneralPage.h"
#include "gui/editor/TabbedPage.h"
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
    pages.Add(new EmptyPage(host, "pictUsable", parent), {NodeKind::Usable});
    pages.Add(new EmptyPage(host, "pictCommon", parent), {NodeKind::Common});
    pages.Add(new TabbedPage(host, "pictDSC", "tbsDSC_USER",
                             {"Basic Setup", "Advanced Setup", "Display Setup"}, parent),
              {NodeKind::Dsc});
    pages.Add(new TabbedPage(host, "pictATIS", "tbsATIS", {"Common", "CallSign"}, parent),
              {NodeKind::Atis});
    pages.Add(new ChannelGridPage(host, "pictB", parent), {NodeKind::GroupGrid, NodeKind::ExpGrid});
    pages.Add(new WeatherPage(host, "pictD", parent), {NodeKind::Weather});
    pages.Add(new ChannelPage(host, "pictC", parent),
              {NodeKind::PlanChannel, NodeKind::ExpChannel});
    pages.Add(new EmptyPage(host, "pictE", parent), {NodeKind::DirectoryGrid});
    pages.Add(new EmptyPage(host, "pictG", parent), {NodeKind::DirectoryEntry});
    return set;
}

} // namespace tq58
