// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the least a Qt 6 program does to put a window of the
// main menu's size on the screen, filled with one colour.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Trivial"));
    window.setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0)));
    window.setAutoFillBackground(true);
    window.resize(642, 466);
    window.show();
    return QApplication::exec();
}
