#pragma once
// Marks a source text of the Qt-free code for the translation catalogues without any Qt: the
// macro gives the text back unchanged, and lupdate reads it as QT_TRANSLATE_NOOP (see the
// -tr-function-alias in src/CMakeLists.txt). The context is written out because lupdate would
// otherwise take the enclosing class as the context; the interaction layer looks message texts up
// in "velk", property sheet titles in "velk::Sheet" and bar names in "velk::BarTable".

#define VELK_TRANSLATE_NOOP(context, text) text
