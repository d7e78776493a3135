#include "ui/shell/dialogs.h"

#include "ui/shell/message_window.h"

#include <QFileDialog>
#include <QFileInfo>

namespace xc::ui {

void Dialogs::message(QWidget* parent, const QString& text)
{
    MessageWindow window(text, parent);
    window.exec();
}

bool Dialogs::confirm(QWidget* parent, const QString& title, const QString& text, const QString& okCaption)
{
    ConfirmWindow window(title, text, okCaption, parent);
    return window.exec() == QDialog::Accepted;
}

namespace {

const QString photoCaption = QStringLiteral("添加相片");
const QString photoFilter = QStringLiteral("添加相片文件(JPG)|*.jpg;*.jpeg;");

// "description|pattern" as the file dialogs read it; upper-case names count too on this platform.
QString dialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() != 2)
        return filter;
    QStringList patterns;
    for (const QString& pattern : parts[1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << pattern << pattern.toUpper();
    patterns.removeDuplicates();
    return QStringLiteral("%1 (%2)").arg(parts[0], patterns.join(QLatin1Char(' ')));
}

}  // namespace

QStringList Dialogs::openPhotoFiles(QWidget* parent)
{
    return openFiles(parent, photoCaption, photoFilter, {});
}

QString Dialogs::openPhotoFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, photoCaption, QString(), dialogFilter(photoFilter));
}

QStringList Dialogs::openFiles(QWidget* parent, const QString& caption, const QString& filter, const QString& preset)
{
    const QString start = QFileInfo::exists(preset) ? preset : QString();
    return QFileDialog::getOpenFileNames(parent, caption, start, dialogFilter(filter));
}

QString Dialogs::saveFile(QWidget* parent, const QString& caption, const QString& filter)
{
    const QString qtFilter = dialogFilter(filter);
    // The extension rule belongs to the launchers, so the dialog must not add one of its own.
    return QFileDialog::getSaveFileName(parent, caption, QString(), qtFilter, nullptr, QFileDialog::DontConfirmOverwrite);
}

}  // namespace xc::ui
