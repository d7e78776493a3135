#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace xc::ui {

// Every modal question and notice the windows ask of the user, behind one interface so tests can
// answer them without a person: the message window "提示信息", confirmations and file choices.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The message window: the text and "确定".
    virtual void message(QWidget* parent, const QString& text);
    // A framed confirmation with `okCaption` and "取消"; true for the first.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text, const QString& okCaption);
    // The JPEG open dialog ("添加相片文件(JPG)"): several files, or one.
    virtual QStringList openPhotoFiles(QWidget* parent);
    virtual QString openPhotoFile(QWidget* parent);
    // An open dialog for several files; `filter` reads "description|pattern"; `preset` is the
    // file it opens on when that exists.
    virtual QStringList openFiles(QWidget* parent, const QString& caption, const QString& filter, const QString& preset);
    // A save dialog; `filter` reads "description|pattern". Empty when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& filter);
};

}  // namespace xc::ui
