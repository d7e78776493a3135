#pragma once

#include <QPushButton>

namespace xc::ui {

// A command button that explains itself: resting the pointer on it asks for its hint, leaving it
// or pressing it dismisses the hint. Acts on release, as every button of the program.
class HintButton : public QPushButton {
    Q_OBJECT
public:
    HintButton(const QString& caption, const QString& hint, QWidget* parent = nullptr);
    const QString& hint() const { return m_hint; }

Q_SIGNALS:
    void hintRequested(const QString& hint);
    void hintDismissed();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_hint;
};

// The glyphs of the title-bar buttons.
enum class TitleGlyph { StartLayout, RestoredLayout, FullScreen, Close };

// A title-bar button: a painted glyph that shows its pressed picture while held down.
class TitleButton : public HintButton {
    Q_OBJECT
public:
    TitleButton(TitleGlyph glyph, const QString& hint, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TitleGlyph m_glyph;
};

}  // namespace xc::ui
