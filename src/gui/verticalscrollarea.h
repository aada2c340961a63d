#pragma once

#include <QScrollArea>

// A scroll area that scrolls only up and down: it is as wide as its contents need, with room for the
// vertical scroll bar, and as low as the user likes. Its contents are as wide as the area and as high
// as it is, or as high as they must be at that width. Parts that appear in them (the reference values
// of a comparison, the rules reading a parameter) then take room from what is shown instead of making
// the window taller.
class TVerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit TVerticalScrollArea(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int Width_For(int contents_width) const;
    void Fit_Contents();
};
