#pragma once

#include <QString>
#include <stdexcept>

// Every failure the program reports travels as a TarnError to the one
// top-level handler, which shows Text() in a message box. Kinds differ only
// so that tests and callers can tell where a failure came from.
class TarnError : public std::runtime_error {
public:
    explicit TarnError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};

// A text that is not an integer: "'%s' is not a valid integer value".
class EConvertError : public TarnError {
    using TarnError::TarnError;
};

// The serial port refused an operation; the text is the port's own message.
class ECommError : public TarnError {
    using TarnError::TarnError;
};

// A parameter file could not be read, written or accepted.
class EFileError : public TarnError {
    using TarnError::TarnError;
};

// A toolkit operation that cannot be done (for example deleting a tab that
// is not there).
class EToolkitError : public TarnError {
    using TarnError::TarnError;
};
