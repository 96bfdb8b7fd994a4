#pragma once

#include <QString>
#include <QWidget>

#include "platform/gui/colour.h"

namespace lw::shell {

class TOvcNotebook;

/// One page of a notebook: holds the page's controls and describes its tab. Pages are made
/// by TOvcNotebook::addPage and owned by the notebook; their font follows the notebook's.
class TOvcTabPage final : public QWidget
{
    Q_OBJECT

public:
    ~TOvcTabPage() override;
    Q_DISABLE_COPY_MOVE(TOvcTabPage)

    /// The tab text; an "&" marks the accelerator letter and is not drawn.
    QString Caption() const { return FCaption; }

    void setCaption(const QString &caption);

    /// A page whose tab is hidden cannot be selected.
    bool PageVisible() const { return FPageVisible; }

    void setPageVisible(bool visible);

    /// The tab's colour, and the page's while the notebook uses tab colours.
    lw::platform::Colour TabColor() const { return FTabColor; }

    void setTabColor(lw::platform::Colour colour);

    /// The caption's colour when drawn in the page's font.
    lw::platform::Colour TextColor() const { return FTextColor; }

    void setTextColor(lw::platform::Colour colour);

    /// Becomes the notebook's hint while the page is shown.
    QString Hint() const { return statusTip(); }

    void setHint(const QString &hint);

    /// The notebook holding the page.
    TOvcNotebook *notebook() const;

Q_SIGNALS:
    /// Something the tab shows changed: caption, visibility, colours, font, enabled state or
    /// hint.
    void TabChanged();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TOvcNotebook;
    explicit TOvcTabPage(TOvcNotebook *notebook);

    QString FCaption;
    bool FPageVisible = true;
    lw::platform::Colour FTabColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonFace);
    lw::platform::Colour FTextColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonText);
};

} // namespace lw::shell
