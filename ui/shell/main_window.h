#pragma once

#include "ui/shell/command_map.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace xc {
struct AlbumModel;
class RandomSource;
class Workspace;
}  // namespace xc

namespace xc::ui {

class AudioBoardController;
class BoardArea;
class Dialogs;
class HintButton;
class HintWindow;
class PhotoBoardController;
class PhotoWorkflow;
class RenderLauncher;
class SidePanel;
class TitleButton;
class ToolWindows;

// The main window: the title bar with its layout and close buttons, the command column on the
// left, the three boards (one shown at a time) with their command rows, the side panel, and the
// bottom row of area buttons. It owns the status timer and the exit.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random);
    ~MainWindow() override;

    // "kaishibuju", "quanpingbuju" or "heshibuju" on the screen the window is on.
    void applyLayout(const QString& layout);
    void runCommand(Command command);
    void showBoard(BoardKind board);
    BoardKind shownBoard() const;
    // Photo files named on the command line or dropped on the window.
    void addFiles(const QStringList& files);
    // The exit confirmation; on "确定" the exit runs on the next timer tick.
    void requestExit();

    HintButton* commandButton(Command command) const;
    BoardArea* boardArea(BoardKind board) const;
    SidePanel* sidePanel() const { return m_sidePanel; }
    PhotoBoardController* photoBoard() const { return m_photoBoard; }
    RenderLauncher& renderLauncher() const { return *m_renderLauncher; }
    AudioBoardController* audioBoard(BoardKind board) const;
    // Tests answer the tool windows themselves; the window keeps the reference.
    void setToolWindows(ToolWindows& windows) { m_toolWindows = &windows; }

Q_SIGNALS:
    // The exit clean-up is done; the program ends.
    void exitFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    HintButton* addCommandButton(const CommandEntry& entry);
    void connectHint(HintButton* button);
    void runAreaCommand(BoardKind board, AreaCommand command);
    void layOutPieces();
    void onStatusTick();
    void onExitTick();
    void openTemplatePage();
    void openTool(Command command);

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    RandomSource& m_random;
    std::unique_ptr<ToolWindows> m_ownToolWindows;
    ToolWindows* m_toolWindows;
    HintWindow* m_hint;
    PhotoWorkflow* m_photoWorkflow;
    PhotoBoardController* m_photoBoard;
    std::unique_ptr<RenderLauncher> m_renderLauncher;
    AudioBoardController* m_musicBoard;
    AudioBoardController* m_lyricsBoard;
    std::array<BoardArea*, 3> m_areas{};
    SidePanel* m_sidePanel;
    QLabel* m_title;
    QLabel* m_icon;
    QList<std::pair<Command, HintButton*>> m_commands;  // column, bottom row and title bar
    QList<HintButton*> m_columnButtons;
    QList<HintButton*> m_bottomButtons;
    QList<TitleButton*> m_titleButtons;
    QTimer m_statusTimer;
    QTimer m_exitTimer;
};

}  // namespace xc::ui
