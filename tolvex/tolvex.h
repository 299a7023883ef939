#pragma once

// The umbrella header: every public declaration of libtolvex.

#include "tolvex/errors/authentication_exception.h"
#include "tolvex/errors/communication_exception.h"
#include "tolvex/errors/generic_exception.h"
#include "tolvex/errors/illegal_request_exception.h"
#include "tolvex/errors/session_inactive_exception.h"
#include "tolvex/errors/session_timeout_exception.h"
#include "tolvex/errors/ssl_host_exception.h"
#include "tolvex/foundation/utc_date.h"
#include "tolvex/foundation/utc_time_only.h"
#include "tolvex/foundation/utc_timestamp.h"
#include "tolvex/version.h"

// Foundation: name table, pointer vector and factory
#include "tolvex/foundation/i_hash_table.h"
#include "tolvex/foundation/i_vector.h"
#include "tolvex/foundation/std_hash_table.h"
#include "tolvex/foundation/std_vector.h"
#include "tolvex/foundation/storage_factory.h"

// Foundation: configuration elements
#include "tolvex/foundation/attr_w.h"
#include "tolvex/foundation/config_element.h"
#include "tolvex/foundation/url_element.h"

#include "tolvex/protocol/fix_defs.h"
#include "tolvex/protocol/fix_vocabulary.h"

// Text forms: description, redaction, JSON, differences
#include "tolvex/text/describe.h"
#include "tolvex/text/differences.h"
#include "tolvex/text/json.h"
#include "tolvex/text/redaction.h"

// Message model
#include "tolvex/model/assert_exception_fm.h"
#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/model/i_message.h"
#include "tolvex/model/universal_field.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"

// Foundation: digests and the thread wrapper
#include "tolvex/foundation/md2.h"
#include "tolvex/foundation/md5.h"
#include "tolvex/foundation/md_engine.h"
#include "tolvex/foundation/thread.h"

// Session description
#include "tolvex/session/con_params.h"
#include "tolvex/session/generic_session_status.h"
#include "tolvex/session/i_add_reference.h"
#include "tolvex/session/i_message_factory.h"
#include "tolvex/session/i_message_listener.h"
#include "tolvex/session/i_open_token.h"
#include "tolvex/session/i_session_status.h"
#include "tolvex/session/i_session_status_listener.h"
#include "tolvex/session/i_transport_provider.h"
#include "tolvex/session/i_transport_session.h"
#include "tolvex/session/optional_parameters_const.h"
#include "tolvex/session/thread_safe_add_reference_impl.h"
#include "tolvex/session/trading_session_desc.h"
