#pragma once
// The picture box on screen: paints the model's drawing, scaled from twips to pixels.
#include "platform/picture_box.h"

#include <QWidget>

namespace ohmira::qt {

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(PictureBox &box, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    PictureBox &box_;
};

} // namespace ohmira::qt
