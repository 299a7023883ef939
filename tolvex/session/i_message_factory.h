#pragma once

// IMessageFactory: how a client obtains the messages, groups and group lists
// of a transport (ITransportProvider::getMessageFactory and
// ITransportSession::getMessageFactory).
//
//   IMessage* request = factory->createMessage(
//       session->getSessionId(), IFixDefs::MSGTYPE_MARKETDATAREQUEST);
//   request->setValue(IFixDefs::FLDTAG_MDREQID, "42");
//   session->send(request);
//   delete request;

#include "tolvex/export.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/model/i_message.h"

/// Makes message-model objects for a transport. Everything it creates
/// belongs to the caller, who deletes it with `delete`. A factory belongs to
/// the provider or session that hands it out.
/// Thread-safety: as the implementation states; the library implements none.
class TOLVEX_API IMessageFactory {
 public:
  IMessageFactory();
  virtual ~IMessageFactory();

  /// A new message with this session id and message type; a null argument
  /// leaves that field unset. The caller deletes it.
  virtual IMessage* createMessage(const char* sessionId,
                                  const char* msgType) = 0;
  /// A new deep copy of `source`, or null when `source` is null. The caller
  /// deletes it.
  virtual IMessage* copyMessage(const IMessage* source) = 0;
  /// A new empty field group. The caller deletes it.
  virtual IFieldGroup* createGroup() = 0;
  /// A new empty group list. The caller deletes it.
  virtual IFieldGroupList* createGroupList() = 0;
  /// Whether the transport can send or receive messages of this type (an
  /// IFixDefs::MSGTYPE_ value); false for null.
  virtual bool supportsMessageType(const char* msgType) const = 0;
};
