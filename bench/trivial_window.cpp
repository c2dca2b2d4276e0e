// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the least a Qt 6 program does to put a window of the
// main menu's size on the screen, filled with one colour; with --text, also one line of text,
// which brings in the font set-up that every program showing text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Trivial"));
    window.setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0)));
    window.setAutoFillBackground(true);
    window.resize(642, 466);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Tovimar Plumkin"), &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
