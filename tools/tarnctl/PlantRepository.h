#pragma once

#include "GitRepository.h"
#include "files/PlantFile.h"

#include <QString>

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

    // Before any drive is read: creates the repository when missing, refuses
    // (GitError) one whose plant files or .gitattributes have changes not
    // committed, and names this tarnctl's `show` as the text conversion of
    // *.tarn in the repository's configuration.
    void Prepare(const Plant& plant);

    // Adds kAttributesLine to .gitattributes (creating it) unless it is
    // there; true when the file changed.
    bool WriteAttributes() const;

    // Who commits: git's configured user, else "tarnctl <tarnctl@HOST>".
    GitIdentity Identity() const;

    // The value of diff.tarn.textconv for the tarnctl running: its absolute
    // path, quoted for the shell git runs it with, and " show".
    static QString TextConversionCommand();

private:
    GitRepository git_;
};
