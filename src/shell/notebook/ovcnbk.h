#pragma once

#include <optional>
#include <vector>

#include <QFont>
#include <QWidget>

#include "platform/gui/colour.h"
#include "shell/notebook/invalid_page_index.h"
#include "shell/notebook/notebook_geometry.h"
#include "shell/notebook/ovc_tab_page.h"
#include "widgets/numeric/ovccmd.h"

class QPainter;
class QShortcut;

namespace lw::shell {

/// A container with a row of custom-drawn tabs along its top edge and one page shown below
/// them. The user switches pages by clicking a tab, with the arrow, Home and End keys while
/// the notebook has the focus, or with a caption's Alt+accelerator. The notebook takes the
/// focus only from a click on a tab, never by Tab.
///
/// A new notebook is loading: setPageIndex only stores the index until loaded() shows the
/// default page (showing the notebook ends loading too).
class TOvcNotebook final : public QWidget
{
    Q_OBJECT

public:
    explicit TOvcNotebook(QWidget *parent = nullptr);
    ~TOvcNotebook() override;
    Q_DISABLE_COPY_MOVE(TOvcNotebook)

    /// Appends a page with the given tab caption; the notebook owns it.
    TOvcTabPage *addPage(const QString &caption);

    int PageCount() const { return static_cast<int>(FPages.size()); }

    /// The page at index, or nullptr outside 0..PageCount()-1.
    TOvcTabPage *Pages(int index) const;

    /// The index of the shown page; -1 when no page is shown.
    int PageIndex() const { return FPageIndex; }

    /// Shows the page at index. The focused control inside the notebook loses the focus (and
    /// runs its exit handling) before the page changes. Throws EInvalidPageIndex for an index
    /// that is not selectable; the current page stays. Ignored while another selection runs.
    void setPageIndex(int index);

    /// The index of page, or -1 when the notebook does not hold it.
    int indexOfPage(const QObject *page) const;

    /// True when index lies in the page list and its page is enabled and its tab visible.
    bool isSelectable(int index) const;

    /// The page shown when loading ends.
    int DefaultPageIndex() const { return FDefaultPageIndex; }

    void setDefaultPageIndex(int index);

    bool isLoading() const { return FLoading; }

    /// Ends loading: hides every page but the default one and selects that.
    void loaded();

    /// Selects the page holding control, so that the control can be shown; does nothing when
    /// no selectable page holds it.
    void showControl(QWidget *control);

    /// The active tab's caption font; follows the notebook's font until set.
    QFont ActiveTabFont() const { return FActiveTabFont.value_or(font()); }

    void setActiveTabFont(const QFont &font);

    lw::platform::Colour ActiveTabFontColor() const { return FActiveTabFontColor; }

    void setActiveTabFontColor(lw::platform::Colour colour);

    /// Whether the active tab's caption uses ActiveTabFont rather than its page's font.
    bool UseActiveTabFont() const { return FUseActiveTabFont; }

    void setUseActiveTabFont(bool use);

    /// The page area's colour unless PageUsesTabColor.
    lw::platform::Colour Color() const { return FColor; }

    void setColor(lw::platform::Colour colour);

    /// The page area takes the active page's TabColor.
    bool PageUsesTabColor() const { return FPageUsesTabColor; }

    void setPageUsesTabColor(bool use);

    lw::platform::Colour HighlightColor() const { return FHighlightColor; }

    void setHighlightColor(lw::platform::Colour colour);

    lw::platform::Colour ShadowColor() const { return FShadowColor; }

    void setShadowColor(lw::platform::Colour colour);

    /// The tab height follows the fonts.
    bool TabAutoHeight() const { return FTabAutoHeight; }

    void setTabAutoHeight(bool autoHeight);

    /// Height of a tab row in pixels; setting it turns TabAutoHeight off.
    int TabHeight() const { return FTabHeight; }

    void setTabHeight(int height);

    /// The colour the page area is painted in now.
    lw::platform::Colour pageColor() const;

    /// Where the tab of page index was laid out, for hit-testing; empty for hidden tabs and
    /// before the first layout.
    QRect tabRect(int index) const;

    /// The page whose tab holds pos, or -1.
    int tabAt(QPoint pos) const;

    /// The rectangle the pages occupy.
    QRect pageArea() const;

protected:
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class TOvcTabPage;

    // What the notebook keeps for each page.
    struct PageEntry
    {
        TOvcTabPage *page = nullptr;
        QShortcut *accelerator = nullptr; // owned by the notebook
        TabBox box; // where the tab was laid out, for drawing and hit-testing
    };

    void relayout();
    void measureTabs();
    void placePages();
    void tabChanged(TOvcTabPage *page);
    void pageDestroyed(QObject *page);
    void updateAccelerator(PageEntry &entry);
    void selectFromUser(int index);
    void moveFocusOutOfPages();
    void switchTo(int index);
    void focusFirstControl(TOvcTabPage *page);
    void selectStep(int step);
    void selectEnd(bool last);
    void announceSelection();
    bool hasActiveTab() const;
    void paintTab(QPainter &painter, int index, bool active) const;
    void paintCaption(QPainter &painter, int index, bool active) const;
    void paintPageFrame(QPainter &painter) const;
    QColor qtColor(lw::platform::Colour colour) const;
    QColor parentColor() const;

    std::vector<PageEntry> FPages;
    int FPageIndex = -1;
    int FDefaultPageIndex = 0;
    bool FLoading = true;
    bool FSelecting = false;
    std::optional<QFont> FActiveTabFont;
    lw::platform::Colour FActiveTabFontColor =
            lw::platform::systemColour(lw::platform::SystemColour::WindowText);
    bool FUseActiveTabFont = true;
    lw::platform::Colour FColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonFace);
    bool FPageUsesTabColor = true;
    lw::platform::Colour FHighlightColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonHighlight);
    lw::platform::Colour FShadowColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonShadow);
    bool FTabAutoHeight = true;
    int FTabHeight = DefaultTabHeight;
    int FRowCount = 1;
    lw::numeric::TOvcCommandProcessor FCommands;
};

} // namespace lw::shell
