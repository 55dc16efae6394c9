// Found before Qt's own header when a core source is compiled.
#error "tarn_core must not include QtWidgets: window code belongs in tarn_ui"
