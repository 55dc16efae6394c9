#pragma once

#include "compare/VerifyResult.h"
#include "values/ParameterValues.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

// The one rule every write to a drive is judged by, whichever path makes
// it (an edit's write-through, a load, the comparison window's write, a
// revert, tarnctl write and load): lists of the values the one judgement
// (StandingOf) puts outside. Plain functions of the texts they are given:
// any thread may call them.

// A value a run would send that keeps outside its parameter's edit rule,
// with the texts a person is shown for it.
struct RuleBreak {
    quint16 number = 0;
    QString valueText;
    QString shown; // the value in words, with its hex text (ValueInWordsWithHex)
    QString range; // "minimum ~ maximum" as the grid shows it (RangeText)
};

// The Pn904 value text the drive holds once `writes` are done: the one
// written when the run sends Pn904, `drivePn904` otherwise.
QString Pn904AfterRun(const std::vector<ValueToWrite>& writes, const QString& drivePn904);

// True when some write needs the drive's Pn904 to be judged: it follows
// Pn904 and the run itself does not send Pn904.
bool NeedsDrivePn904(const std::vector<ValueToWrite>& writes);

// The writes whose value keeps outside its rule, in the order given, judged
// by the Pn904 the drive holds after the run (Pn904AfterRun). Values a run
// never sends (Pn900, Pn901, "None", empty) and parameters without a rule
// (Pn9xx) are never listed.
std::vector<RuleBreak> RuleBreaksOf(const std::vector<ValueToWrite>& writes,
                                    const QString& drivePn904);

// The writes a load of `values` makes, in file order: every parameter but
// Pn900 and Pn901, with a value to send; with `only`, just those numbers.
std::vector<ValueToWrite> LoadWrites(const ParameterValues& values,
                                     const std::optional<QSet<quint16>>& only = std::nullopt);

// One listed value: "Pn100 30000（1 ~ 20000）".
QString RuleBreakLine(const RuleBreak& value);

// The lines listing `values`: the first 20, then "…等 N 個" (N all of them).
QStringList RuleBreakLines(const std::vector<RuleBreak>& values);

// The question 載入檔案 asks before writing values outside their rule:
// "以下參數超出允許範圍：", the lines, "仍要寫入嗎？".
QString OutsideRuleQuestion(const std::vector<RuleBreak>& values);
