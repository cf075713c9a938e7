#pragma once

#include <QDialog>
#include <QPixmap>

class PosterPicture;
class QLabel;

// A poster at its natural size in a plain borderless window just large
// enough to hold it; a click on the picture closes it.
class frmViewLarger : public QDialog
{
    Q_OBJECT

public:
    explicit frmViewLarger(QWidget *sender);

    // Takes the picture and sizes the box and the window around it.
    void setPicture(const QPixmap &picture);

private:
    QLabel *m_picViewLarger;
};

// Shows the sender's poster modally, decoded whole at its natural size;
// returns once the picture has been clicked and the window closed.
void View(QWidget *sender, const PosterPicture &poster);
