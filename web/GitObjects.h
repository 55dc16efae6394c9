#pragma once

#include <QByteArray>
#include <QString>
#include <mutex>
#include <optional>
#include <sys/types.h>

// A repository's objects read through one long-lived `git cat-file
// --batch`: a page asks for many objects and a process per request would
// cost more than the page. Names go to git on its standard input, never as
// arguments, so no text from a request can become an option. One question
// at a time (a mutex): any thread may ask. A git that died is started again
// at the next question.
class GitObjects {
public:
    explicit GitObjects(const QString& folder);
    ~GitObjects();
    GitObjects(const GitObjects&) = delete;
    GitObjects& operator=(const GitObjects&) = delete;

    struct Object {
        QByteArray id;   // 40 hex digits
        QByteArray type; // "commit", "tree", "blob"
        QByteArray data;
    };
    // The object `name` names ("HEAD", "<id>", "<rev>:M01/X.tarn"); nullopt
    // when the repository has none. Throws GitError when git cannot be run.
    std::optional<Object> Read(const QByteArray& name);

private:
    void Start();
    void Stop();
    bool ReadLine(QByteArray* line);
    bool ReadExact(qsizetype size, QByteArray* data);
    // Appends what git wrote next to the buffer; false at its end or on an error.
    bool Fill();

    QString folder_;
    std::mutex mutex_;
    pid_t pid_ = -1;
    int in_ = -1;  // git's standard input
    int out_ = -1; // its standard output
    QByteArray buffer_;
};
