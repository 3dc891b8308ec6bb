// A button that draws itself from pictures: one per state (normal, pressed,
// hovered, disabled, focused) and an optional mask that lets the ground show
// through. It can act as a check box or a radio button when its button style
// says so.
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QRegion>

#include <cstdint>

class CxSkinButton : public QPushButton {
  public:
    enum class Kind { PushButton, CheckBox, RadioButton };
    // Draw modes of LoadSkinPictures.
    static constexpr int kDrawPlain = 0;
    static constexpr int kDrawStretch = 1;
    static constexpr int kDrawTile = 2;
    // Button styles as dialog templates give them.
    static constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
    static constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
    static constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3;
    static constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
    // The private message that clears the other radio buttons of a group.
    static constexpr int kUncheckMessage = 0x500;

    // The pictures themselves, for LoadSkinPictures from memory.
    struct Pictures {
        QImage normal, pressed, hovered, disabled, focused, mask;
    };

    explicit CxSkinButton(QWidget* parent = nullptr, std::uint32_t buttonStyle = BS_PUSHBUTTON);

    // Takes the kind from the button-type bits of a style: both bits of 3 make
    // a check box, else both bits of 9 a radio button, else a push button.
    void AttachStyle(std::uint32_t buttonStyle);
    Kind ButtonKind() const { return kind_; }

    // Picture numbers 0 = none; picture n is "<n>.bmp" in the program folder.
    // Drops the old pictures; a missing disabled picture becomes the normal
    // one; the draw mode is clamped to 0..2 and the margin to 0 or more.
    void LoadSkinPictures(int normal, int pressed, int hovered, int disabled, int focused, int mask,
                          int drawMode, int border, int margin);
    void LoadSkinPictures(Pictures pictures, int drawMode, int border, int margin);

    // The check state (push buttons are never checked).
    void SetCheck(int state);
    int GetCheck() const { return checked_ ? 1 : 0; }

    // Starts a new radio group at this control (the controls of a group run
    // from one group start, in their parent's child order, to the next).
    void SetGroupStart(bool start) { groupStart_ = start; }
    bool GroupStart() const { return groupStart_; }

    void SetTextColor(QColor colour);
    QColor TextColor() const { return textColour_; }
    int DrawMode() const { return drawMode_; }
    int FocusMargin() const { return margin_; }
    bool Hovering() const { return hovering_; }
    // The part of the button that the mask leaves visible (its not pure white
    // pixels); empty without a mask.
    const QRegion& MaskRegion() const { return maskRegion_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void DrawPicture(QPainter& painter, const QImage& picture, const QRect& r) const;
    void DrawCaption(QPainter& painter, const QRect& r, const QColor& colour) const;
    void OnClicked();
    void UncheckGroup();

    Pictures pictures_;
    // The pictures with the mask made their transparency (mask field unused).
    Pictures masked_;
    QRegion maskRegion_;
    int drawMode_ = kDrawStretch;
    int border_ = 0;
    int margin_ = 0;
    QColor textColour_;
    Kind kind_ = Kind::PushButton;
    bool checked_ = false;
    bool hovering_ = false;
    bool groupStart_ = false;
};
