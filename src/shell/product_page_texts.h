#pragma once

#include <QString>

namespace lw::shell {

// The markup of the page on the sibling product; every link is its site with the referral.

/// The heading: the product's name, bold, as a link.
QString productHeadingMarkup();

/// The price, what it does, and the slogan in italics.
QString productBodyMarkup();

/// What else comes with it.
QString productContentsMarkup();

} // namespace lw::shell
