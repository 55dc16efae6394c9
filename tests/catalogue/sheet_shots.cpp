// Fills each of the sheets 0..7 from in-range values into a grid of the
// main window's size and saves a picture of it per sheet, for looking at
// the texts as a user would see them. Usage: sheet_shots <directory>
#include "SheetValues.h"

#include "app/TStringGrid.h"
#include "app/grid/TPmDataForm.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    StoreInRangeValues();
    TStringGrid grid;
    grid.resize(1222, 627);
    TPmDataForm form;
    form.SetTargetGrid(&grid);
    grid.show();
    for (int sheet = 0; sheet < 8; ++sheet) {
        form.FillSheet(sheet);
        QApplication::processEvents();
        const QString path = QDir(dir).filePath(QStringLiteral("sheet%1.png").arg(sheet));
        if (!grid.grab().save(path)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
