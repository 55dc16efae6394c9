#pragma once

// How the value column shows a parameter's value text, and so the layout a
// typed entry has and the pattern of the row's bound texts.
enum class DisplayForm {
    Decimal,
    SignedDecimal,
    ThreeDigitGroup,
    TwoDigitGroup,
    FourDigitGroup,
    PairGroup,
    SignalSelect,
};

// True for the forms shown and bounded digit by digit (or group by group).
constexpr bool IsDigitWise(DisplayForm form) {
    return form != DisplayForm::Decimal && form != DisplayForm::SignedDecimal;
}
