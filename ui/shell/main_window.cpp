#include "ui/shell/main_window.h"

#include "audio/karaoke_rows.h"
#include "core/album_model.h"
#include "core/board_views.h"
#include "core/keywords.h"
#include "core/workspace.h"
#include "core/workspace_cleanup.h"
#include "ui/audio/audio_board_controller.h"
#include "ui/boards/board_area.h"
#include "ui/boards/tile_board.h"
#include "ui/photos/photo_board_controller.h"
#include "ui/photos/photo_workflow.h"
#include "ui/render/render_launcher.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/frame_artwork.h"
#include "ui/shell/framed_dialog.h"
#include "ui/shell/hint_window.h"
#include "ui/shell/main_layout.h"
#include "ui/shell/side_panel.h"
#include "ui/shell/theme.h"
#include "ui/tools/tool_windows.h"
#include "ui/widgets/hint_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QUrl>

namespace xc::ui {

namespace {

constexpr int statusIntervalMs = 50;

TitleGlyph glyphOf(Command command)
{
    switch (command) {
    case Command::StartLayout: return TitleGlyph::StartLayout;
    case Command::RestoredLayout: return TitleGlyph::RestoredLayout;
    case Command::FullScreenLayout: return TitleGlyph::FullScreen;
    default: return TitleGlyph::Close;
    }
}

bool isPhotoFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg");
}

int boardIndex(BoardKind board)
{
    return static_cast<int>(board);
}

}  // namespace

MainWindow::MainWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_model(model), m_workspace(workspace), m_dialogs(dialogs),
      m_random(random), m_ownToolWindows(std::make_unique<ToolWindows>()), m_toolWindows(m_ownToolWindows.get()),
      m_hint(new HintWindow(HintWindow::Kind::General, QStringLiteral("提示窗口"), this)),
      m_photoWorkflow(new PhotoWorkflow(model, workspace, dialogs, random, this)),
      m_sidePanel(new SidePanel(this)), m_title(new QLabel(QStringLiteral("相册工坊"), this)), m_icon(new QLabel(this))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("相册工坊"));
    setWindowIcon(QIcon(applicationIcon(64, 2.0)));
    setAcceptDrops(true);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, theme::boardBackground);
    setPalette(background);

    m_icon->setPixmap(applicationIcon(32, devicePixelRatioF()));
    m_icon->setGeometry(3 + 6, 8, 32, 32);
    m_title->setFont(uiFont(16, true));
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (const CommandEntry& entry : commandColumn())
        m_columnButtons.append(addCommandButton(entry));
    for (const CommandEntry& entry : bottomRow())
        m_bottomButtons.append(addCommandButton(entry));
    for (const CommandEntry& entry : titleButtons()) {
        auto* button = new TitleButton(glyphOf(entry.command), entry.hint, this);
        button->setObjectName(entry.objectName);
        connect(button, &QPushButton::clicked, this, [this, command = entry.command] { runCommand(command); });
        connectHint(button);
        m_titleButtons.append(button);
        m_commands.append({entry.command, button});
    }
    for (HintButton* button : m_columnButtons)
        button->setProperty("commandColumn", true);
    // The area buttons show which board is on screen.
    for (int i = 0; i < 3; ++i)
        m_bottomButtons[i]->setCheckable(true);

    m_photoBoard = new PhotoBoardController(model, workspace, *m_photoWorkflow, *m_sidePanel, this);
    m_renderLauncher = std::make_unique<RenderLauncher>(model, workspace, dialogs, this);
    m_musicBoard = new AudioBoardController(AudioBoard::Music, model, workspace, dialogs, *m_sidePanel, this);
    m_lyricsBoard = new AudioBoardController(AudioBoard::Lyrics, model, workspace, dialogs, *m_sidePanel, this);
    const QList<std::pair<BoardKind, QString>> boards{
        {BoardKind::Photos, QStringLiteral("suiListView_xiangpian_liebiao")},
        {BoardKind::Music, QStringLiteral("suiListView_yinyue_liebiao")},
        {BoardKind::Lyrics, QStringLiteral("suiListView_geci_liebiao")},
    };
    const QStringList panelNames{QStringLiteral("Panel_xianshikuang"), QStringLiteral("Panel_xianshikuang_yinyue"),
                                 QStringLiteral("Panel_xianshikuang_geci")};
    for (const auto& [kind, listName] : boards) {
        QWidget* board = kind == BoardKind::Photos ? static_cast<QWidget*>(m_photoBoard->board()) : audioBoard(kind)->board();
        board->setObjectName(panelNames[boardIndex(kind)]);
        auto* area = new BoardArea(kind, board, listName, this);
        connect(area, &BoardArea::commandTriggered, this, [this, kind](AreaCommand command) { runAreaCommand(kind, command); });
        connect(area, &BoardArea::hintRequested, m_hint, &HintWindow::showHint);
        connect(area, &BoardArea::hintDismissed, m_hint, &HintWindow::hideHint);
        m_areas[boardIndex(kind)] = area;
    }
    m_photoBoard->setArea(m_areas[boardIndex(BoardKind::Photos)]);
    for (AudioBoardController* audio : {m_musicBoard, m_lyricsBoard}) {
        audio->setArea(boardArea(audio == m_musicBoard ? BoardKind::Music : BoardKind::Lyrics));
        // Binding and pairing change both tables: both boards show the change.
        connect(audio, &AudioBoardController::changed, m_musicBoard, &AudioBoardController::rebuild);
        connect(audio, &AudioBoardController::changed, m_lyricsBoard, &AudioBoardController::rebuild);
    }
    connect(m_musicBoard, &AudioBoardController::changed, this, [this] { showBoard(BoardKind::Music); });
    connect(m_lyricsBoard, &AudioBoardController::changed, this, [this] { showBoard(BoardKind::Lyrics); });
    connect(m_photoBoard, &PhotoBoardController::croppingRequested, this, [this] { runCommand(Command::PhotoCropping); });
    connect(m_photoWorkflow, &PhotoWorkflow::photosChanged, m_photoBoard, &PhotoBoardController::rebuild);
    // Whatever board was on screen, changed photos are shown.
    connect(m_photoWorkflow, &PhotoWorkflow::photosChanged, this, [this] { showBoard(BoardKind::Photos); });
    showBoard(BoardKind::Photos);

    connect(&m_statusTimer, &QTimer::timeout, this, &MainWindow::onStatusTick);
    m_statusTimer.start(statusIntervalMs);
    m_exitTimer.setSingleShot(true);
    m_exitTimer.setInterval(1);
    connect(&m_exitTimer, &QTimer::timeout, this, &MainWindow::onExitTick);
    onStatusTick();
}

MainWindow::~MainWindow() = default;

HintButton* MainWindow::addCommandButton(const CommandEntry& entry)
{
    auto* button = new HintButton(entry.caption, entry.hint, this);
    button->setObjectName(entry.objectName);
    connect(button, &QPushButton::clicked, this, [this, command = entry.command] { runCommand(command); });
    connectHint(button);
    m_commands.append({entry.command, button});
    return button;
}

void MainWindow::connectHint(HintButton* button)
{
    connect(button, &HintButton::hintRequested, m_hint, &HintWindow::showHint);
    connect(button, &HintButton::hintDismissed, m_hint, &HintWindow::hideHint);
}

HintButton* MainWindow::commandButton(Command command) const
{
    for (const auto& [c, button] : m_commands)
        if (c == command)
            return button;
    return nullptr;
}

BoardArea* MainWindow::boardArea(BoardKind board) const
{
    return m_areas[boardIndex(board)];
}

AudioBoardController* MainWindow::audioBoard(BoardKind board) const
{
    if (board == BoardKind::Music)
        return m_musicBoard;
    return board == BoardKind::Lyrics ? m_lyricsBoard : nullptr;
}

void MainWindow::openTool(Command command)
{
    const ToolContext context{this, m_model, m_workspace, m_dialogs, m_random, m_photoBoard->selectedRow()};
    bool changed = false;
    switch (command) {
    case Command::PhotoCropping:
        changed = m_toolWindows->photoCropping(context);
        break;
    case Command::TemplateManager:
        changed = m_toolWindows->templateManager(context);
        break;
    case Command::LyricsMaker:
        changed = m_toolWindows->lyricsMaker(context);
        break;
    case Command::PictureEffects:
        changed = m_toolWindows->pictureEffects(context);
        break;
    case Command::IntroVideo:
        changed = m_toolWindows->introVideo(context);
        break;
    default:
        return;
    }
    if (!changed)
        return;
    m_photoBoard->rebuild();
    m_musicBoard->rebuild();
    m_lyricsBoard->rebuild();
}

void MainWindow::runCommand(Command command)
{
    m_hint->hideHint();
    if (needsPhotos(command) && m_model.photos.isEmpty()) {
        m_dialogs.message(this, noPhotosNotice);
        return;
    }
    if (isTool(command)) {
        openTool(command);
        return;
    }
    switch (command) {
    case Command::AddPhotos:
        m_photoWorkflow->addPhotos();
        break;
    case Command::AddMusic:
        m_musicBoard->addFiles();
        break;
    case Command::AddLyrics:
        m_lyricsBoard->addFiles();
        break;
    case Command::AlbumLength:
        m_renderLauncher->windows().albumLength(this, m_model);
        break;
    case Command::OtherSettings:
        m_renderLauncher->windows().otherSettings(this, m_model);
        break;
    case Command::Karaoke:
        m_renderLauncher->windows().karaoke(this, m_model, m_workspace, m_dialogs);
        break;
    case Command::TextEffects:
        m_renderLauncher->windows().textEffects(this, m_model, m_workspace, m_dialogs);
        break;
    case Command::MakeVcd:
        m_renderLauncher->makeVideo(kw::kindVcd);
        break;
    case Command::MakeSvcd:
        m_renderLauncher->makeVideo(kw::kindSvcd);
        break;
    case Command::MakeDvd:
        m_renderLauncher->makeVideo(kw::kindDvd);
        break;
    case Command::MakeAvi:
        m_renderLauncher->makeVideo(kw::kindAvi);
        break;
    case Command::MakeMp4:
        m_renderLauncher->makeVideo(kw::kindMp4);
        break;
    case Command::MakeImageSequence:
        m_renderLauncher->makeImageSequence();
        break;
    case Command::ShowPhotos:
    case Command::ShowMusic:
    case Command::ShowLyrics: {
        // The area buttons bring the area back in its tile form.
        const BoardKind board = command == Command::ShowPhotos ? BoardKind::Photos
                                : command == Command::ShowMusic ? BoardKind::Music
                                                                : BoardKind::Lyrics;
        showBoard(board);
        boardArea(board)->showTiles();
        m_model.settings.boardView = kw::boardIcons;
        break;
    }
    case Command::TemplatePage:
        openTemplatePage();
        break;
    case Command::StartLayout:
        applyLayout(layoutKeyword::start);
        break;
    case Command::RestoredLayout:
        applyLayout(layoutKeyword::restored);
        break;
    case Command::FullScreenLayout:
        applyLayout(layoutKeyword::fullScreen);
        break;
    case Command::Exit:
        requestExit();
        break;
    default:
        break;
    }
}

void MainWindow::runAreaCommand(BoardKind board, AreaCommand command)
{
    m_hint->hideHint();
    showBoard(board);
    if (board == BoardKind::Photos)
        m_photoBoard->runCommand(command);
    else
        audioBoard(board)->runCommand(command);
}

void MainWindow::showBoard(BoardKind board)
{
    const bool switching = shownBoard() != board;
    for (BoardArea* area : m_areas)
        area->setVisible(area->kind() == board);
    for (int i = 0; i < 3; ++i)
        m_bottomButtons[i]->setChecked(i == boardIndex(board));
    // Moving to the music or lyrics board forgets the selection, and its preview with it; the
    // board's own commands keep it.
    if (switching && board != BoardKind::Photos) {
        m_model.settings.selectedId = kw::none;
        m_model.settings.previewShown = QStringLiteral("False");
        m_sidePanel->clearPreview();
        if (AudioBoardController* audio = audioBoard(board))
            audio->rebuild();
    }
}

BoardKind MainWindow::shownBoard() const
{
    for (BoardArea* area : m_areas)
        if (!area->isHidden())
            return area->kind();
    return BoardKind::Photos;
}

void MainWindow::applyLayout(const QString& layout)
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    m_model.settings.layout = layout;
    setGeometry(mainWindowGeometry(layout, screen->geometry()));
    layOutPieces();
}

void MainWindow::layOutPieces()
{
    const MainPieces pieces = layoutMainPieces(size(), int(m_columnButtons.size()), int(m_bottomButtons.size()));
    for (int i = 0; i < m_columnButtons.size(); ++i)
        m_columnButtons[i]->setGeometry(pieces.commands[i]);
    for (int i = 0; i < m_bottomButtons.size(); ++i)
        m_bottomButtons[i]->setGeometry(pieces.bottomButtons[i]);
    for (int i = 0; i < m_titleButtons.size(); ++i)
        m_titleButtons[i]->setGeometry(pieces.titleButtons[i]);
    for (BoardArea* area : m_areas)
        area->setGeometry(pieces.contentArea);
    m_sidePanel->setGeometry(pieces.sidePanel);
    m_title->adjustSize();
    m_title->move(48, (titleBarHeight - m_title->height()) / 2);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutPieces();
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const MainPieces pieces = layoutMainPieces(size(), int(m_columnButtons.size()), int(m_bottomButtons.size()));
    p.fillRect(rect(), theme::windowBackground);
    paintMainTitleBar(p, pieces.titleBar);
    paintStatusStrip(p, pieces.statusStrip);
    // The command column sits on its own darker band from the title bar to the status strip.
    p.fillRect(QRect(0, titleBarHeight, 3 + commandWidth + 1, height() - titleBarHeight - pieces.statusStrip.height()),
               theme::chromeDark.lighter(110));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < titleBarHeight) {
        startWindowDrag(this);
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < titleBarHeight) {
        applyLayout(m_model.settings.layout == layoutKeyword::start ? layoutKeyword::fullScreen : layoutKeyword::start);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void MainWindow::requestExit()
{
    m_hint->hideHint();
    if (m_dialogs.confirm(this, QStringLiteral("退出本软件"), QStringLiteral("确定要退出本软件吗？"), QStringLiteral("确定")))
        m_exitTimer.start();
}

void MainWindow::onExitTick()
{
    m_statusTimer.stop();
    cleanWorkspaceAtExit(m_workspace);
    Q_EMIT exitFinished();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A close from the window system ends the program at once; the next start cleans the data tree.
    event->accept();
    QCoreApplication::exit(0);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && shownBoard() == BoardKind::Photos) {
        m_photoBoard->runCommand(AreaCommand::Delete);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    event->acceptProposedAction();
    // Let the drag finish in the file manager before the import window opens.
    QTimer::singleShot(0, this, [this, files] { addFiles(files); });
}

void MainWindow::addFiles(const QStringList& files)
{
    // Photos, songs and lyrics each go to their own board, as if picked in its open dialog.
    QStringList photos, songs, lyrics, scripts;
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        const QString suffix = QFileInfo(file).suffix().toLower();
        if (isPhotoFile(file))
            photos.append(path);
        else if (suffix == QStringLiteral("mp3"))
            songs.append(path);
        else if (suffix == QStringLiteral("lrc"))
            lyrics.append(path);
        else if (suffix == QStringLiteral("ksc"))
            scripts.append(path);
    }
    if (photos.isEmpty() && songs.isEmpty() && lyrics.isEmpty() && scripts.isEmpty()) {
        if (!files.isEmpty())
            m_dialogs.message(this, QStringLiteral("没有可以添加的文件：支持JPG相片、MP3音乐、LRC歌词和KSC卡拉OK歌词。"));
        return;
    }
    if (!songs.isEmpty())
        m_musicBoard->addFiles(songs);
    if (!lyrics.isEmpty())
        m_lyricsBoard->addFiles(lyrics);
    if (!scripts.isEmpty()) {
        // As the karaoke manager's import takes them: the scripts are read when they are shown.
        if (const Status imported = importKaraokeScripts(m_model, scripts); !imported.ok())
            m_dialogs.message(this, imported.error());
    }
    if (!photos.isEmpty()) {
        showBoard(BoardKind::Photos);
        m_photoWorkflow->addPhotos(photos);
    }
}

void MainWindow::openTemplatePage()
{
    const QString page = m_workspace.path(QStringLiteral("smxcwjj/web/index.html"));
    if (!QFileInfo::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        m_dialogs.message(this, QStringLiteral("无法打开模板页面：") + QDir::toNativeSeparators(page));
}

void MainWindow::onStatusTick()
{
    m_sidePanel->refresh(m_model);
    m_sidePanel->scrollHelp();
}

}  // namespace xc::ui
