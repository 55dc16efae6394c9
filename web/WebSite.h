#pragma once

#include "backup/PlantFile.h"
#include "web/RepositoryIndex.h"
#include "web/WebRoute.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>

// The pages, the JSON and the metrics of a backup repository: what a
// request gets once routed. Read only: nothing here writes the repository
// or opens a drive. Every text that comes from the repository, a plant
// file or a request is escaped where it goes into HTML.

struct WebAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QByteArray disposition; // Content-Disposition, for a download
};

class WebSite {
public:
    // `plant`: the plant file's axes, in its order; without one, the axes the
    // repository holds at HEAD.
    WebSite(const QString& repoFolder, std::optional<Plant> plant);

    WebAnswer Answer(const WebRoute& route);
    // The page of a refused request (or of a page's own refusal).
    static WebAnswer ErrorPage(int status, const QString& why);

    // Changes shown on one history page.
    static constexpr int kPageRows = 50;

private:
    WebAnswer PlantPage(bool json);
    WebAnswer AxisPage(const WebRoute& route, bool json);
    WebAnswer AxisFile(const WebRoute& route);
    WebAnswer HistoryPage(const WebRoute& route, bool json);
    WebAnswer CommitPage(const WebRoute& route);
    WebAnswer ComparePage(const WebRoute& route);
    WebAnswer SearchPage(const WebRoute& route, bool json);
    WebAnswer MetricsPage();

    // The plant as status reads it (run log, release, drift) and each
    // axis's released values, for the snapshot `now`: made again only when
    // HEAD, the released branch or the run log has changed since.
    struct Watch;
    std::shared_ptr<const Watch> WatchOf(const RepositorySnapshot& now);

    RepositoryIndex index_;
    std::optional<Plant> plant_;
    std::mutex watchMutex_; // guards watch_
    std::shared_ptr<const Watch> watch_;
    std::mutex countMutex_;            // guards the two below
    QByteArray countHead_;             // the HEAD counts_ was walked at
    QHash<QString, qsizetype> counts_; // history's changes by "axis number" filter
};
