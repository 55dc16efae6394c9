#include "backup/RepositoryLock.h"

#include "backup/GitRepository.h"
#include "backup/PlantText.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RepositoryLock::RepositoryLock(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        throw GitError(PlantText::tr("無法建立資料夾 %1").arg(folder));
    }
    // Close-on-exec: the git programs a run starts must not hold it on.
    fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        throw GitError(PlantText::tr("無法開啟資料夾 %1：%2")
                           .arg(folder, QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        if (error == EWOULDBLOCK) {
            throw GitError(PlantText::tr("儲存庫 %1 正由另一個 tarnctl 使用").arg(folder));
        }
        throw GitError(PlantText::tr("無法鎖定儲存庫 %1：%2")
                           .arg(folder, QString::fromLocal8Bit(std::strerror(error))));
    }
}

RepositoryLock::~RepositoryLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}
