#pragma once

#include <QString>

namespace lw::core {

/// The application's title and the main window's caption.
QString applicationTitle();

/// The caption of the boxes the application-wide error handler shows.
QString informationCaption();

/// The message for a calculation that failed on its arithmetic. Its line breaks are line
/// feed followed by carriage return, as the message has always been written.
QString mathErrorMessage();

/// The message for any other error nobody handled, with the maker's support address.
QString unidentifiedErrorMessage();

/// The long part of a hint: the text after its first '|', or the whole hint without one.
QString hintLongPart(const QString &hint);

/// An error's own text as a sentence: a full stop is added unless it ends with one.
QString asSentence(const QString &text);

} // namespace lw::core
