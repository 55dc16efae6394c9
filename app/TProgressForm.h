#pragma once

#include "values/ParameterValues.h"

#include <QWidget>
#include <functional>

class QProgressBar;

// A small caption-only window with one progress bar from 0 to 100: the
// common shape of the save and load progress windows. It has no behaviour
// of its own; the save and load runs show it, set the bar and hide it.
class TProgressForm : public QWidget {
    Q_OBJECT
public:
    // `caption` is the source text, marked with QT_TRANSLATE_NOOP in this
    // class's context, so the caption follows the language chosen.
    TProgressForm(const char* caption, int left, int top, QWidget* parent);

    QProgressBar* ProgressBar1 = nullptr;

    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    const char* caption_;
};

// Shows a status window for one run and hides it however the run ends: the
// status windows have no close box, so one left up by an error would stay
// on screen.
class WindowShown {
public:
    explicit WindowShown(QWidget* window);
    ~WindowShown();
    WindowShown(const WindowShown&) = delete;
    WindowShown& operator=(const WindowShown&) = delete;

private:
    QWidget* window_;
};

// The same for a progress window, its bar at 0 when it shows.
class ProgressShown : public WindowShown {
public:
    explicit ProgressShown(TProgressForm* form);

    // Sets the bar (0..100); for the runs' progress callbacks.
    std::function<void(int percent)> Bar() const;

private:
    TProgressForm* form_;
};

class Drive;
// Reads all 309 parameters of `drive` as a save does (Drive::ReadAll),
// behind `form` with its bar following the sheets. The form shows, after
// `beforeExchanges`, only when the drive exchanges: a drive without a link
// answers at once from the values it holds.
ParameterValues ReadAllShown(Drive& drive, TProgressForm* form,
                             const std::function<void()>& beforeExchanges = {});
