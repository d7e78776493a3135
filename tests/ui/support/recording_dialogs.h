#pragma once

#include "ui/shell/dialogs.h"

#include <QStringList>

namespace xc::test {

// Answers the windows' questions without a person and keeps every notice shown.
class RecordingDialogs : public ui::Dialogs {
public:
    QStringList messages;
    QStringList confirmations;
    bool confirmAnswer = true;
    QStringList photoFiles;  // what the open dialog "returns"
    QString photoFile;
    int photoDialogsOpened = 0;

    void message(QWidget*, const QString& text) override { messages.append(text); }
    bool confirm(QWidget*, const QString&, const QString& text, const QString&) override
    {
        confirmations.append(text);
        return confirmAnswer;
    }
    QStringList openPhotoFiles(QWidget*) override
    {
        ++photoDialogsOpened;
        return photoFiles;
    }
    QString openPhotoFile(QWidget*) override
    {
        ++photoDialogsOpened;
        return photoFile;
    }

    QStringList files;  // what the generic open dialog "returns"
    QStringList openFilters;
    QStringList openFiles(QWidget*, const QString&, const QString& filter, const QString&) override
    {
        openFilters.append(filter);
        return files;
    }

    QString saveName;  // what the save dialog "returns"
    QStringList saveFilters;
    QString saveFile(QWidget*, const QString&, const QString& filter) override
    {
        saveFilters.append(filter);
        return saveName;
    }
};

}  // namespace xc::test
