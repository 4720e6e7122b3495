#pragma once

#include "forms/controls/click_target.h"

#include <QPointer>

// A transparent label lying on another one, whose caption is a run of blanks
// followed by words: the blanks stand for the caption behind, and the words
// are drawn one blank after that caption ends, on its last line when they fit
// there and at the start of the next line when not. It is a link: a click
// anywhere on it, the caption behind included, is its own.
class ContinuationLabel : public ClickTarget {
    Q_OBJECT

public:
    ContinuationLabel(const QString& caption, QLabel* behind, QWidget* parent);

    // The words that follow the blanks.
    QString words() const { return text().trimmed(); }
    // Where the words start inside the label.
    QPointF wordsOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QLabel> behind_;
};
