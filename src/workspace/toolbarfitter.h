#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>

class QLabel;
class QPushButton;

// Keeps the workspace readable at any window size: one font size for every toolbar button, the largest
// that lets each of them show its whole text, and the logo under the cards scaled to its label's width.
// Both follow resizes of the widgets they look after.
class ToolbarFitter : public QObject
{
    Q_OBJECT

public:
    ToolbarFitter(const QList<QPushButton *> &buttons, QLabel *logoLabel, QObject *parent);

    // One pixel size that lets every button show its whole text (at least 8).
    static int fitFontPx(const QList<QPushButton *> &buttons);
    // Texts changed (a new language): fit again even if the sizes did not change.
    void refit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitFont();
    void scaleLogo();

    QList<QPushButton *> m_buttons;
    QLabel *m_logoLabel;
    QPixmap m_logo;
    int m_logoWidth = -1;
    int m_fontPx = -1;
    bool m_fitting = false;
};
