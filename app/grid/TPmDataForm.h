#pragma once

#include <QWidget>

class TStringGrid;

// The catalogue form: never shown, no controls. It lays the main window's
// grid out for a sheet and writes the sheet's catalogue rows into it.
class TPmDataForm : public QWidget {
    Q_OBJECT
public:
    explicit TPmDataForm(QWidget* parent = nullptr);

    // Seven columns; for sheet 0..8 the row count of that sheet (header
    // included), above 8 the row count is left alone; one fixed column and
    // row; the column widths; the seven header texts. Clears no other cell.
    void InitSheetGrid(quint16 sheetIndex);

    // Lay the grid out for the sheet, then write columns 0..6 of each of
    // its catalogue rows in order, from the catalogue and the records. A
    // Decimal or Signal select value that is not hexadecimal ends the fill
    // at that cell with EConvertError: earlier cells keep their new text,
    // later ones their old.
    void FillPn0xxSheet();
    void FillPn1xxSheet();
    void FillPn2xxSheet();
    void FillPn3xxSheet();
    void FillPn4xxSheet();
    void FillPn5xxSheet();
    void FillPn6xxSheet();
    void FillPn7xxSheet();

    // The fill of sheet 0..7; sheets without a catalogue (8, 9) change
    // nothing.
    void FillSheet(int sheetIndex);

    // The grid the fills write into; nullptr (the default) means the main
    // window's grdPnxxxSheet.
    void SetTargetGrid(TStringGrid* grid);

private:
    TStringGrid* Grid() const;
    void FillCatalogueRows(int sheetIndex);

    TStringGrid* target_ = nullptr;
};
