#include "web/GitObjects.h"

#include "backup/GitRepository.h"
#include "web/WebText.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

GitObjects::GitObjects(const QString& folder) : folder_(folder) {}

GitObjects::~GitObjects() {
    Stop();
}

void GitObjects::Start() {
    const QByteArray program = GitRepository::Program().toLocal8Bit();
    const QByteArray folder = folder_.toLocal8Bit();
    int toGit[2];
    int fromGit[2];
    if (pipe2(toGit, O_CLOEXEC) != 0) {
        throw GitError(
            WebText::tr("無法啟動 git：%1").arg(QString::fromLocal8Bit(strerror(errno))));
    }
    if (pipe2(fromGit, O_CLOEXEC) != 0) {
        close(toGit[0]);
        close(toGit[1]);
        throw GitError(
            WebText::tr("無法啟動 git：%1").arg(QString::fromLocal8Bit(strerror(errno))));
    }
    const pid_t pid = fork();
    if (pid == 0) {
        // The server blocks SIGINT and SIGTERM to wait for them; git must not
        // inherit that, nor the ignored SIGPIPE.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        signal(SIGPIPE, SIG_DFL);
        dup2(toGit[0], 0);
        dup2(fromGit[1], 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 2);
        }
        execl(program.constData(), "git", "-C", folder.constData(), "cat-file", "--batch",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toGit[0]);
    close(fromGit[1]);
    if (pid < 0) {
        close(toGit[1]);
        close(fromGit[0]);
        throw GitError(WebText::tr("無法啟動 git"));
    }
    pid_ = pid;
    in_ = toGit[1];
    out_ = fromGit[0];
    buffer_.clear();
}

void GitObjects::Stop() {
    if (pid_ < 0) {
        return;
    }
    close(in_);
    close(out_);
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = in_ = out_ = -1;
}

bool GitObjects::ReadLine(QByteArray* line) {
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n');
        if (end >= 0) {
            *line = buffer_.left(end);
            buffer_.remove(0, end + 1);
            return true;
        }
        if (!Fill()) {
            return false;
        }
    }
}

bool GitObjects::Fill() {
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(out_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        buffer_.append(chunk, got);
        return true;
    }
}

bool GitObjects::ReadExact(qsizetype size, QByteArray* data) {
    while (buffer_.size() < size) {
        if (!Fill()) {
            return false;
        }
    }
    *data = buffer_.left(size);
    buffer_.remove(0, size);
    return true;
}

std::optional<GitObjects::Object> GitObjects::Read(const QByteArray& name) {
    // A line break would end the question early and ask a second one.
    if (name.contains('\n') || name.contains('\0') || name.isEmpty()) {
        return std::nullopt;
    }
    const std::lock_guard<std::mutex> hold(mutex_);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (pid_ < 0) {
            Start();
        }
        const QByteArray question = name + '\n';
        bool sent = true;
        for (qsizetype done = 0; done < question.size() && sent;) {
            const ssize_t put =
                write(in_, question.constData() + done, size_t(question.size() - done));
            if (put < 0 && errno == EINTR) {
                continue;
            }
            sent = put > 0;
            done += put > 0 ? put : 0;
        }
        QByteArray header;
        if (sent && ReadLine(&header)) {
            const QList<QByteArray> parts = header.split(' ');
            if (parts.size() != 3) {
                return std::nullopt; // "<name> missing", "<name> ambiguous"
            }
            Object object{parts[0], parts[1], {}};
            QByteArray newline;
            if (ReadExact(parts[2].toLongLong(), &object.data) && ReadExact(1, &newline)) {
                return object;
            }
        }
        Stop(); // a git that died: once more with a new one
    }
    throw GitError(WebText::tr("git cat-file 在 %1 停止回應").arg(folder_));
}
