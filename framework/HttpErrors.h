// The error codes that an update check can end with, which the user sees as
// numbers in its message, and the size limit on a reply that one of them
// stands for.
#pragma once

#include <QtGlobal>

namespace fw::http {

enum ErrorCode : int {
    NetworkFailure = 100,    // any other failure of the connection
    ConnectionLost = 102,    // the connection broke before the reply was whole
    HostNotFound = 103,      // the host name does not resolve
    ConnectionRefused = 104, // nothing listens at the address
    BadReply = 106,          // the bytes are not an HTTP reply
    ReplyTooLarge = 107,     // the reply is larger than MaximumReplySize
    InvalidAddress = 108,    // the address is not an http:// URL
    // Not the socket's own: a whole reply that is no version document the update
    // window can offer.
    NotAVersionDocument = 109,
};

// Replies are read whole into memory, so their size is bounded.
inline constexpr qint64 MaximumReplySize = 1024 * 1024;

} // namespace fw::http
