// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen: a backdrop in the game's colours covers the whole screen, task bars included, and
// the game's windows stay in front of it; the menu keeps its size and every level opens
// maximized. Clicks on the backdrop do nothing.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <xcb/xcb.h>

#include <vector>

class TForm;

class TBackdrop : public QObject {
    Q_OBJECT
public:
    bool On() const { return window_ && window_->isVisible(); }
    // Shows or hides the backdrop; the game's windows keep their places in front of it.
    void Switch(bool on);
    // A level about to open: on the backdrop, it opens maximized.
    void PrepareLevel(TForm* level);
    // Closes the backdrop window for good, while the toolkit still runs.
    void Release();
    // The backdrop window, or null before full screen was first switched on.
    QWidget* Window() const { return window_; }

Q_SIGNALS:
    void Switched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepInFront(QWidget* window, bool inFront);
    void RaiseGame();
    void HoldServer(bool hold);
    bool ShellReadsOwnerAtMapOnly() const;
    void MapGameAgain();
    static bool FillsScreen(const QWidget* window);
    void FillScreen(QWidget* level) const;
    static void StateBeforeMap(const QWidget* window);
    static void AskState(xcb_connection_t* connection, unsigned window, const char* state, bool on);
    void BeNormalWindow();
    void StayOutOfTaskLists();
    void Maximize(TForm* level);

    QWidget* window_ = nullptr;
    bool holding_ = false;
    bool mapGameAgain_ = false;
    // The window manager's own name, read when the backdrop comes: some need their own ways.
    QByteArray windowManager_;
    QPointer<QWidget> front_; // the window the child was using when the backdrop came
    std::vector<QPointer<TForm>> maximized_;
};

TBackdrop& FullScreenBackdrop();
// Switches full screen now and keeps the choice for the next start.
void SwitchFullScreen(bool on);
