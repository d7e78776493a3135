#include "ui/shell/theme.h"

#include <QPainter>

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace xc::ui {

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

namespace {

QString styleSheet()
{
    using namespace theme;
    const auto css = [](const QColor& c) { return c.name(QColor::HexArgb); };
    return QStringLiteral(R"(
QWidget { color: %1; }
QPushButton {
  background: %2; border: 1px solid %3; border-radius: 4px; padding: 4px 14px; min-height: 20px;
}
QPushButton:hover { background: %3; border-color: %4; }
QPushButton:pressed { background: %4; color: #1e2024; }
QPushButton:checked { border-color: %4; color: %4; }
QPushButton:disabled { color: %5; border-color: %2; }
QPushButton:default { border-color: %4; }
QPushButton[commandColumn="true"] {
  text-align: left; padding-left: 16px; border: none; border-radius: 3px; background: transparent; min-height: 0;
}
QPushButton[commandColumn="true"]:hover { background: %3; color: #ffffff; }
QPushButton[commandColumn="true"]:pressed { background: %4; color: #1e2024; }
QTreeView, QListView, QTableView {
  background: %6; alternate-background-color: %7; border: none; selection-background-color: %4;
  selection-color: #1e2024; outline: 0;
}
QHeaderView::section { background: %8; color: %5; border: none; border-right: 1px solid %6; padding: 4px 6px; }
QProgressBar { background: %8; border: 1px solid %3; border-radius: 4px; height: 14px; text-align: center; color: %1; }
QProgressBar::chunk { background: %4; border-radius: 3px; }
QMenu { background: %7; border: 1px solid %3; padding: 4px; }
QMenu::item { padding: 5px 22px 5px 18px; border-radius: 3px; }
QMenu::item:selected { background: %4; color: #1e2024; }
QScrollBar:vertical { background: %6; width: 12px; }
QScrollBar::handle:vertical { background: %3; border-radius: 5px; min-height: 24px; margin: 2px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
)")
        .arg(css(text), css(chromeLight), css(chromeLight.lighter(130)), css(accent), css(textMuted),
             css(panelBackground), css(windowBackground), css(chromeDark));
}

}  // namespace

void applyTheme(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, theme::windowBackground);
    palette.setColor(QPalette::WindowText, theme::text);
    palette.setColor(QPalette::Base, theme::panelBackground);
    palette.setColor(QPalette::AlternateBase, theme::windowBackground);
    palette.setColor(QPalette::Text, theme::text);
    palette.setColor(QPalette::Button, theme::chromeLight);
    palette.setColor(QPalette::ButtonText, theme::text);
    palette.setColor(QPalette::Highlight, theme::accent);
    palette.setColor(QPalette::HighlightedText, theme::chromeDark);
    palette.setColor(QPalette::ToolTipBase, theme::hintBackground);
    palette.setColor(QPalette::ToolTipText, theme::hintText);
    palette.setColor(QPalette::PlaceholderText, theme::textMuted);
    app.setPalette(palette);
    app.setFont(uiFont());
    app.setStyleSheet(styleSheet());
}

void paintLyricStage(QPainter& painter, const QRect& area)
{
    QLinearGradient stage(area.topLeft(), area.bottomLeft());
    stage.setColorAt(0, QColor(38, 42, 56));
    stage.setColorAt(1, QColor(18, 20, 26));
    painter.fillRect(area, stage);
}

}  // namespace xc::ui
