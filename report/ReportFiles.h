#pragma once

#include "report/ReportBuilder.h"

#include <optional>

// What a report needs beside its values and their source: the handover
// fields and the reference, read before any drive or report file is
// touched.
struct ReportInputs {
    ReportHandover handover;
    std::optional<ReportReference> reference;
    Language language = Language::Chinese; // what the report reads in
};

// The reference named `fileName` (ReadReference: the whole-file check of a
// load, throwing EFileError); none for no name.
std::optional<ReportReference> ReferenceOf(const QString& fileName);

// Builds the report of `values` from `source` and writes it to `name`, in
// the format its extension names (WriteReport, which throws when it cannot);
// returns what a save of these values would tell of their gaps
// (SaveGapsMessage led by "報告已寫入", in the windows' language), empty when
// every parameter gave a value.
QString WriteReportFile(const ReportSource& source, const ParameterValues& values,
                        const ReportInputs& inputs, const QString& name);
