// A slider that draws itself: a rounded channel over a tiled background strip,
// a filled selection bar captioned "used/limit MB", and a shaded thumb. The
// add-video page uses a disabled one as its disc-capacity gauge.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSlider>

// Colour steps of the shading, per red, green and blue component.
QColor LightenBy51(const QColor& colour);                 // c + 51 when that stays <= 255, else c
QColor DarkenBy51(const QColor& colour);                  // c - 51 when c >= 51, else c
QColor MidpointColour(const QColor& a, const QColor& b);  // a + floor((b - a) / 2)

class CMacSliderCtrl : public QSlider {
  public:
    // Loads "back_sp.bmp" from the program folder and takes the palette's
    // colours once.
    explicit CMacSliderCtrl(QWidget* parent = nullptr);

    // The ordinary slider data, named as the owner uses them.
    void SetRange(int low, int high, bool redraw = false);
    void SetPos(int position);  // redraws
    int GetPos() const { return value(); }
    int GetRangeMin() const { return minimum(); }
    int GetRangeMax() const { return maximum(); }
    void SetSelection(int start, int end);  // no redraw; the owner updates
    int GetSelStart() const { return selStart_; }
    int GetSelEnd() const { return selEnd_; }

    // The rectangles the drawing uses, in client coordinates.
    QRect ChannelRect() const;
    QRect ThumbRect() const;
    // Where the "used/limit MB" caption goes; empty without a selection.
    QRect CaptionRect() const;

    // The thumb's body colour; the shades are derived from it again.
    void SetBaseColour(const QColor& colour);
    QColor SelectionColour() const { return selection_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Shades {
        QColor base, lighter1, lighter2, darker1, darker2;
    };
    static Shades Derive(const QColor& base);

    void DrawChannel(class QPainter& painter, const QRect& channel, const QColor& fill) const;
    void DrawSelection(QPainter& painter, const QRect& channel) const;
    // The filled bar of the selection in channel; empty without one.
    QRect BarRect(const QRect& channel) const;
    QString Caption() const;
    void DrawThumb(QPainter& painter, const QRect& thumb, const Shades& shades) const;

    QImage background_;
    QColor selection_, channel_, darkEdge_, lightEdge_, edgeHighlight_, frame_, face_;
    Shades shades_;
    int selStart_ = 0;
    int selEnd_ = 0;
};
