#pragma once

class QApplication;

// The look of every window: the Japanese monospaced font the figure captions are padded for
// ("ＭＳ ゴシック", or the metric-compatible IPAGothic), 12 pixels, and drop-down lists that
// honour their set length.
void applyAppStyle(QApplication& application);
