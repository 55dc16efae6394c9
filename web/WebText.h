#pragma once

#include <QCoreApplication>

// The context of the web view's texts for people (pages, refusals, server
// errors): WebText::tr("…") reads in the language the server was started
// in. The JSON and /metrics are data and stay as they are.
class WebText {
    Q_DECLARE_TR_FUNCTIONS(web)
};
