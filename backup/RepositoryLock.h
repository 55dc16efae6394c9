#pragma once

#include <QString>

// One tarnctl at a time writes a repository: an exclusive flock(2) on the
// repository's folder itself (created when missing), held while the object
// lives. The kernel lets go when the process ends, however it ends, so a
// run that was killed never blocks the next one.
class RepositoryLock {
public:
    // Takes the lock at once or throws GitError: "儲存庫 DIR 正由另一個
    // tarnctl 使用" when another run holds it, else why the folder could
    // not be made or opened.
    explicit RepositoryLock(const QString& folder);
    ~RepositoryLock();
    RepositoryLock(const RepositoryLock&) = delete;
    RepositoryLock& operator=(const RepositoryLock&) = delete;

private:
    int fd_ = -1;
};
