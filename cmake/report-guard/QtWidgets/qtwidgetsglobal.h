// Found before Qt's own header when a report source is compiled.
#error "tarn_report must not include QtWidgets: it serves programs without windows too"
