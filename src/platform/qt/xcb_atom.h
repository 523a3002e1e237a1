#pragma once
// An X atom by its name, through Qt's own X connection.
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace kvirlo::qt {

inline xcb_atom_t xcbAtom(xcb_connection_t* c, const char* name) {
  struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
  };
  std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace kvirlo::qt
