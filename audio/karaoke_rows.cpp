#include "audio/karaoke_rows.h"

#include "audio/imported_file.h"
#include "audio/lyric_styles.h"

#include <algorithm>

namespace xc {

namespace {

QString usedText(const QString& flag) { return flag == kw::flagTrue ? QStringLiteral("使用") : QStringLiteral("无"); }

}  // namespace

Status importKaraokeScripts(AlbumModel& model, const QStringList& files)
{
    const Status readable = checkReadableFiles(files, QStringLiteral("卡拉OK歌词文件"));
    if (!readable.ok())
        return readable;
    for (const QString& file : files) {
        const ImportedFileNames names = importedFileNames(file);
        KaraokeStyleRecord row;
        row.seq = QString::number(model.karaoke.count() + 1);
        row.name = names.name;
        row.path = names.path;
        applyDefaultKaraokeStyle(row);
        model.karaoke.append(row);
    }
    return Status::success();
}

QString deleteKaraokeRows(AlbumModel& model, QList<qsizetype> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (*row >= 0 && *row < model.karaoke.count())
            model.karaoke.remove(*row);
    }
    renumberSeq(model.karaoke);
    return QStringLiteral("卡拉OK歌词已经删除！");
}

QString deleteAllKaraokeRows(AlbumModel& model)
{
    model.karaoke.clear();
    return QStringLiteral("导入的卡拉OK歌词已全部删除！");
}

ListViewRows karaokeManagerRows(const AlbumModel& model)
{
    ListViewRows rows;
    for (qsizetype i = 0; i < model.karaoke.count(); ++i) {
        const KaraokeStyleRecord& row = model.karaoke[i];
        rows << QStringList{QString::number(i + 1), row.name, row.colorName, row.highlightColorName, row.fontName,
                            row.fontSize, usedText(row.bold), usedText(row.italic), usedText(row.underline), row.path,
                            row.script == kw::scriptTraditional ? QStringLiteral("繁体") : QStringLiteral("简体")};
    }
    return rows;
}

}  // namespace xc
