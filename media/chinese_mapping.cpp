#include "media/chinese_mapping.h"

#include <QDebug>

#include <mutex>

#include <opencc.h>

namespace xc {

namespace {

const opencc_t invalidConverter = reinterpret_cast<opencc_t>(-1);

// One converter per direction, loaded on first use and kept for the life of the process
// (loading the dictionaries costs far more than a conversion).
class Converter {
public:
    explicit Converter(const char* config) : m_config(config) {}
    ~Converter()
    {
        if (m_handle != invalidConverter)
            opencc_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    QString convert(const QString& text)
    {
        const std::lock_guard lock(m_mutex);
        if (!m_tried) {
            m_tried = true;
            m_handle = opencc_open(m_config);
            if (m_handle == invalidConverter)
                qWarning("Chinese character mapping %s unavailable: %s", m_config, opencc_error());
        }
        if (m_handle == invalidConverter)
            return text;
        const QByteArray input = text.toUtf8();
        char* output = opencc_convert_utf8(m_handle, input.constData(), size_t(input.size()));
        if (!output)
            return text;
        const QString converted = QString::fromUtf8(output);
        opencc_convert_utf8_free(output);
        return converted;
    }

private:
    const char* m_config;
    std::mutex m_mutex;
    bool m_tried = false;
    opencc_t m_handle = invalidConverter;
};

}  // namespace

QString convertChineseScript(const QString& text, ChineseScript target)
{
    static Converter toSimplified("t2s.json");
    static Converter toTraditional("s2t.json");
    if (text.isEmpty())
        return text;
    return target == ChineseScript::Simplified ? toSimplified.convert(text) : toTraditional.convert(text);
}

}  // namespace xc
