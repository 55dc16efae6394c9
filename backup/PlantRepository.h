#pragma once

#include "backup/GitRepository.h"
#include "backup/PlantFile.h"
#include "backup/RepositoryLock.h"

#include <QString>
#include <memory>

// A plant's backup repository: the git repository, its text conversion for
// *.tarn, and the only files tarnctl ever touches in it (the plant's .tarn
// files and .gitattributes).
class PlantRepository {
public:
    static constexpr const char* kAttributesFile = ".gitattributes";
    // The line of .gitattributes that sends *.tarn through the conversion.
    static constexpr const char* kAttributesLine = "*.tarn diff=tarn";

    explicit PlantRepository(const QString& folder) : git_(folder) {}

    const QString& Folder() const { return git_.Folder(); }
    const GitRepository& Git() const { return git_; }

    // Before any drive is read: refuses (GitError) a folder inside another
    // repository, takes the repository's lock (returned: held until the run
    // ends), refuses a repository with a git lock file left behind, creates
    // the repository when missing, refuses one whose plant files or
    // .gitattributes have changes not committed, and names this tarnctl's
    // `show --textconv` as the text conversion of *.tarn in its
    // configuration.
    std::unique_ptr<RepositoryLock> Prepare(const Plant& plant);

    // Puts `paths` back as the last commit holds them (removed where it
    // holds none): after a commit that failed, the work tree is as before
    // the run, which found them committed.
    void RestoreCommitted(const QStringList& paths) const;

    // Adds kAttributesLine to .gitattributes (creating it) unless it is
    // there; true when the file changed.
    bool WriteAttributes() const;

    // Who commits: git's configured user, else "tarnctl <tarnctl@HOST>".
    GitIdentity Identity() const;

    // The value of diff.tarn.textconv for the tarnctl running: its absolute
    // path, quoted for the shell git runs it with, and " show --textconv".
    static QString TextConversionCommand();

private:
    GitRepository git_;
};
