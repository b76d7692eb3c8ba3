#pragma once

#include <QColor>
#include <QWidget>

// A straight horizontal line of a given colour and width. Two of them, grey
// above white, draw a sunken separator.
class SeparatorLine : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor colour READ colour WRITE setColour)

public:
    explicit SeparatorLine(QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
