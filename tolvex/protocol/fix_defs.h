#pragma once

// IFixDefs: the vocabulary of the platform's FIX-derived protocol, as
// exported constants. It holds the field tags under which values are stored
// in messages and field groups, the message types, and the enumerated values
// those fields carry. Nothing in the library interprets these values: the
// message model treats every field name and value as opaque text, and what a
// tag or type means is fixed by the servers and transports that use it.
//
//   UniversalMessage request(sessionId, IFixDefs::MSGTYPE_MARKETDATAREQUEST);
//   request.setValue(IFixDefs::FLDTAG_MDREQID, "42");
//   request.setValueInt(IFixDefs::FLDTAG_MARKETDEPTH, 1);
//
// Compare message types and other texts as whole strings, never by prefix:
// MSGTYPE_QELBREQUESTBATCH ("U54.Batch.Req") begins with
// MSGTYPE_QELBRESPONSEBATCH ("U54.Batch") and with MSGTYPE_QELBREQUEST
// ("U54").

#include "tolvex/export.h"

/// Holds only static data members: no instances, no virtual operations, no
/// functions. Each constant is one object defined in the library, so names
/// that share a value (FLDTAG_QELBSTART and FLDTAG_QELBSYMID, "9000";
/// FLDTAG_QELBTIMINGINTERVALEX and FLDTAG_SETTLTYPE, "9075";
/// MDREQREJREASON_UNSUPPORTEDSCOPE and QUOTECONDITION_ACTIVE, "A") are still
/// distinct objects. Text constants point to NUL-terminated literals that
/// live as long as the library is loaded; the pointers are writable for
/// compatibility, but nothing may assign to them. Integer constants are
/// defined in the library rather than in this header, so they are not
/// constant expressions (not usable as case labels).
/// Thread-safety: safe to read from any thread; the library never writes them.
class TOLVEX_API IFixDefs {
 public:
  IFixDefs() = delete;

  /// Field tags: standard numbers.
  ///@{
  static const char* FLDTAG_CURRENCY;
  static const char* FLDTAG_MSGSEQNUM;
  static const char* FLDTAG_MSGTYPE;
  static const char* FLDTAG_ORIGTIME;
  static const char* FLDTAG_SYMBOL;
  static const char* FLDTAG_TEXT;
  static const char* FLDTAG_TRANSACTTIME;
  static const char* FLDTAG_URGENCY;
  static const char* FLDTAG_TESTREQID;
  static const char* FLDTAG_EXPIRETIME;
  static const char* FLDTAG_QUOTE_REQ_ID;
  static const char* FLDTAG_QUOTE_BIDPX;
  static const char* FLDTAG_QUOTE_OFFERPX;
  static const char* FLDTAG_NORELATEDSYM;
  static const char* FLDTAG_HEADLINE;
  static const char* FLDTAG_LINESOFTEXT;
  static const char* FLDTAG_MDREQID;
  static const char* FLDTAG_SUBSCRIPTIONREQUESTTYPE;
  static const char* FLDTAG_MARKETDEPTH;
  static const char* FLDTAG_MDUPDATETYPE;
  static const char* FLDTAG_NOMDENTRYTYPES;
  static const char* FLDTAG_NOMDENTRIES;
  static const char* FLDTAG_MDENTRYTYPE;
  static const char* FLDTAG_MDENTRYPX;
  static const char* FLDTAG_ENTRYSIZE;
  static const char* FLDTAG_MDENTRYDATE;
  static const char* FLDTAG_MDENTRYTIME;
  static const char* FLDTAG_QUOTECONDITION;
  static const char* FLDTAG_MDUPDATEACTION;
  static const char* FLDTAG_MDREQREJREASON;
  static const char* FLDTAG_MDENTRYORIGINATOR;
  static const char* FLDTAG_QUOTEENTRYID;
  static const char* FLDTAG_UNSOLICITEDINDICATOR;
  static const char* FLDTAG_TRADSESREQID;
  static const char* FLDTAG_TRADINGSESSIONID;
  static const char* FLDTAG_TRADSESMODE;
  static const char* FLDTAG_TRADSESSTATUS;
  static const char* FLDTAG_TRADSESSTARTTIME;
  static const char* FLDTAG_TRADSESOPENTIME;
  static const char* FLDTAG_TRADSESCLOSETIME;
  static const char* FLDTAG_REFMSGTYPE;
  static const char* FLDTAG_BUSINESSREJECTREFID;
  static const char* FLDTAG_BUSINESSREJECTREASON;
  static const char* FLDTAG_NOTRADINGSESSIONS;
  static const char* FLDTAG_EXPIREDATE;
  static const char* FLDTAG_PARTYID_SOURCE;
  static const char* FLDTAG_PARTYID;
  static const char* FLDTAG_PARTY_ROLE;
  static const char* FLDTAG_NOPARTYIDS;
  static const char* FLDTAG_PARTYSUBID;
  static const char* FLDTAG_QUOTETYPE;
  static const char* FLDTAG_USERNAME;
  static const char* FLDTAG_PASSWORD;
  static const char* FLDTAG_OPENTOKEN;
  static const char* FLDTAG_ROUNDLOT;
  static const char* FLDTAG_TRADSESSTATUSREJREASON;
  static const char* FLDTAG_TRADINGSESSIONSUBID;
  static const char* FLDTAG_NOPARTYSUBIDS;
  static const char* FLDTAG_PARTYSUBIDTYPE;
  static const char* FLDTAG_USERREQUESTID;
  static const char* FLDTAG_USERREQUESTTYPE;
  static const char* FLDTAG_NEWPASSWORD;
  static const char* FLDTAG_USERSTATUS;
  static const char* FLDTAG_USERSTATUSTEXT;
  static const char* FLDTAG_CONTINGENCYTYPE;
  static const char* FLDTAG_ENCRYPTEDNEWPASSWORD;
  ///@}

  /// Field tags: platform numbers, 9000 and above.
  ///@{
  static const char* FLDTAG_QELBSTART;
  static const char* FLDTAG_QELBSYMID;
  static const char* FLDTAG_QELBSYMPRECISION;
  static const char* FLDTAG_QELBSYMPOINTSIZE;
  static const char* FLDTAG_QELBSYMINTERESTBUY;
  static const char* FLDTAG_QELBSYMINTERESTSELL;
  static const char* FLDTAG_QELBSYMSORTORDER;
  static const char* FLDTAG_QELBSYMMARGINRATIO;
  static const char* FLDTAG_QELBTIMINGINTERVAL;
  static const char* FLDTAG_QELBSTARTDATE;
  static const char* FLDTAG_QELBSTARTTIME;
  static const char* FLDTAG_QELBENDDATE;
  static const char* FLDTAG_QELBENDTIME;
  static const char* FLDTAG_QELBNOPARAM;
  static const char* FLDTAG_QELBPARAMNAME;
  static const char* FLDTAG_QELBPARAMVALUE;
  static const char* FLDTAG_QELBSERVERTIMEZONE;
  static const char* FLDTAG_QELBCONTINUOUSFLAG;
  static const char* FLDTAG_QELBNOSNAPSHOT;
  static const char* FLDTAG_QELBPAGEID;
  static const char* FLDTAG_QELBPAGEVIEWID;
  static const char* FLDTAG_QELBPAGEVIEWLIFETIME;
  static const char* FLDTAG_QELBREQUESTREJECT;
  static const char* FLDTAG_QELBPAGEIDNO;
  static const char* FLDTAG_QELBCLIENTEXTRA;
  static const char* FLDTAG_QELBCOMMANDID;
  static const char* FLDTAG_QELBERRORDETAILS;
  static const char* FLDTAG_QELBSERVERTIMEZONENAME;
  static const char* FLDTAG_EMBMSG;
  static const char* FLDTAG_BATCHREQUEST_BATCHRESPONSE;
  static const char* FLDTAG_RESPONSE_FORMAT;
  static const char* FLDTAG_QELBTIMINGINTERVALEX;
  static const char* FLDTAG_SETTLTYPE;
  static const char* FLDTAG_QELBMDORIGINATOR;
  static const char* FLDTAG_QELBMDQUOTEDATETIME;
  static const char* FLDTAG_QELBMDQUOTEEXPIREDATETIME;
  static const char* FLDTAG_QELBMDQUOTES;
  static const char* FLDTAG_QELBMDPRICELADDERS;
  static const char* FLDTAG_QELBMDLADDERID;
  static const char* FLDTAG_QELBMDENTRYLIST;
  static const char* FLDTAG_QELBMDENTRYAMOUNT;
  static const char* FLDTAG_QELBATTACHSESSION_SID;
  static const char* FLDTAG_QELBCONDDISTSTOP;
  static const char* FLDTAG_QELBCONDDISTLIMIT;
  static const char* FLDTAG_QELBCONDDISTENTRYSTOP;
  static const char* FLDTAG_QELBCONDDISTENTRYLIMIT;
  static const char* FLDTAG_QELBMAXQUANTITY;
  static const char* FLDTAG_QELBMINQUANTITY;
  static const char* FLDTAG_QELBTRADINGSTATUS;
  static const char* FLDTAG_QELBDASMESSAGE_MSGIDEXT;
  static const char* FLDTAG_LAST_MINUTE_VOLUME;
  static const char* FLDTAG_LAST_MINUTE;
  static const char* FLDTAG_QELBINCLUDEWEEKENDS;
  static const char* FLDTAG_QELBCANDLEOPENPRICETYPE;
  ///@}

  /// Field tags that are not numbers.
  ///@{
  static const char* FLDTAG_EXTRACMD;
  static const char* FLDTAG_BASE64_ENCODED_SIGNATURE;
  static const char* FLDTAG_COMPACT_DATA;
  ///@}

  /// Message types: standard.
  ///@{
  static const char* MSGTYPE_HEARTBEAT;
  static const char* MSGTYPE_TESTREQUEST;
  static const char* MSGTYPE_NEWS;
  static const char* MSGTYPE_QUOTE;
  static const char* MSGTYPE_MARKETDATAREQUEST;
  static const char* MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH;
  static const char* MSGTYPE_MARKETDATAREQUESTREJECT;
  static const char* MSGTYPE_TRADINGSESSIONSTATUSREQUEST;
  static const char* MSGTYPE_TRADINGSESSIONSTATUS;
  static const char* MSGTYPE_BUSINESSMESSAGEREJECT;
  static const char* MSGTYPE_USERREQUEST;
  static const char* MSGTYPE_USERRESPONSE;
  ///@}

  /// Message types: platform.
  ///@{
  static const char* MSGTYPE_QELBNEWSREQUEST;
  static const char* MSGTYPE_QELBNEWSTOPICREQUEST;
  static const char* MSGTYPE_QELBREQUESTREJECT;
  static const char* MSGTYPE_QELBNEWSTOPICRESPONSE;
  static const char* MSGTYPE_QELBREQUEST;
  static const char* MSGTYPE_QELBRESPONSE;
  static const char* MSGTYPE_QELBREQUESTBATCH;
  static const char* MSGTYPE_QELBRESPONSEBATCH;
  static const char* MSGTYPE_DASMESSAGE;
  static const char* MSGTYPE_HDSHAKECALL;
  static const char* MSGTYPE_HDSHAKERESP;
  static const char* MSGTYPE_QELBXMLMESSAGE;
  static const char* MSGTYPE_QELBRTMPRESPONSE;
  static const char* MSGTYPE_QELBRTMPMARKETDATASNAPSHOT;
  static const char* MSGTYPE_QELBRTMPOBJECTRESPONSE;
  static const char* MSGTYPE_RTMP2_COMPACT_REQUEST;
  static const char* MSGTYPE_RTMP2_COMPACT_RESPONSE;
  static const char* MSGTYPE_RTMP2_COMPACT_MESSAGE;
  ///@}

  /// Market-data entry types (FLDTAG_MDENTRYTYPE).
  ///@{
  static const char* MDENTRYTYPE_BID;
  static const char* MDENTRYTYPE_ASK;
  static const char* MDENTRYTYPE_BIDOPEN;
  static const char* MDENTRYTYPE_BIDCLOSE;
  static const char* MDENTRYTYPE_HIGH;
  static const char* MDENTRYTYPE_LOW;
  static const char* MDENTRYTYPE_ASKOPEN;
  static const char* MDENTRYTYPE_ASKCLOSE;
  static const char* MDENTRYTYPE_BIDHIGH;
  static const char* MDENTRYTYPE_BIDLOW;
  static const char* MDENTRYTYPE_ASKHIGH;
  static const char* MDENTRYTYPE_ASKLOW;
  static const char* MDENTRYTYPE_VOLUME;
  ///@}

  /// Subscription request types (FLDTAG_SUBSCRIPTIONREQUESTTYPE).
  ///@{
  static const char* SUBSCRIPTIONREQUESTTYPE_SNAPSHOT;
  static const char* SUBSCRIPTIONREQUESTTYPE_SUBSCRIBE;
  static const char* SUBSCRIPTIONREQUESTTYPE_UNSUBSCRIBE;
  ///@}

  /// Market-data request reject reasons (FLDTAG_MDREQREJREASON).
  ///@{
  static const char* MDREQREJREASON_UNKNOWNSYMBOL;
  static const char* MDREQREJREASON_DUPLICATEDMDREQID;
  static const char* MDREQREJREASON_PERMISSIONS;
  static const char* MDREQREJREASON_SUBSCRIPTIONREQUESTTYPE;
  static const char* MDREQREJREASON_MDENTRYTYPE;
  static const char* MDREQREJREASON_TRADINGSESSIONID;
  static const char* MDREQREJREASON_UNSUPPORTEDSCOPE;
  ///@}

  /// Quote conditions (FLDTAG_QUOTECONDITION).
  ///@{
  static const char* QUOTECONDITION_ACTIVE;
  static const char* QUOTECONDITION_INACTIVE;
  ///@}

  /// Extended timing intervals, hour multiples (FLDTAG_QELBTIMINGINTERVALEX).
  ///@{
  static const char* QELBTIMINGINTERVALEX_H2;
  static const char* QELBTIMINGINTERVALEX_H3;
  static const char* QELBTIMINGINTERVALEX_H4;
  static const char* QELBTIMINGINTERVALEX_H6;
  static const char* QELBTIMINGINTERVALEX_H8;
  ///@}

  /// Channels, bit flags. CHANNEL_TRADING_DATA is every channel bit but
  /// CHANNEL_MARKET_DATA.
  ///@{
  static const int CHANNEL_SETTING_DEFAULT;
  static const int CHANNEL_MARKET_DATA;
  static const int CHANNEL_EXECUTION_REPORT;
  static const int CHANNEL_POSITION_REPORT;
  static const int CHANNEL_COLLATERAL_REPORT;
  static const int CHANNEL_EMAIL;
  static const int CHANNEL_NEWS;
  static const int CHANNEL_TRADING_SESSION_STATUS;
  static const int CHANNEL_SECURITY_STATUS;
  static const int CHANNEL_RFQ;
  static const int CHANNEL_OTHER;
  static const int CHANNEL_TRADING_DATA;
  ///@}

  /// Quote types (FLDTAG_QUOTETYPE).
  ///@{
  static const int QUOTETYPE_INDICATIVE;
  static const int QUOTETYPE_TRADEABLE;
  ///@}

  /// Platform request reject reasons.
  ///@{
  static const int QELBREQUESTREJECTREASON_UNKNOWN;
  static const int QELBREQUESTREJECTREASON_GENERIC;
  static const int QELBREQUESTREJECTREASON_DATA_NOT_FOUND;
  static const int QELBREQUESTREJECTREASON_TRADING_SESSION_NOT_FOUND;
  static const int QELBREQUESTREJECTREASON_OTHER;
  ///@}

  /// Business reject reasons (FLDTAG_BUSINESSREJECTREASON).
  ///@{
  static const int BUSINESSREJECTREASON_OTHER;
  static const int BUSINESSREJECTREASON_UNKNOWN_ID;
  static const int BUSINESSREJECTREASON_UNKNOWN_SECURITY;
  static const int BUSINESSREJECTREASON_UNSUPPORTED_MESSAGE_TYPE;
  static const int BUSINESSREJECTREASON_APPLICATION_NOT_AVAILABLE;
  static const int BUSINESSREJECTREASON_CONDITIONALLY_REQUIRED_FIELD_MISSING;
  static const int BUSINESSREJECTREASON_NOT_AUTHORIZED;
  ///@}

  /// User status (FLDTAG_USERSTATUS).
  ///@{
  static const int USERSTATUS_LOGGEDIN;
  static const int USERSTATUS_NOTLOGGEDIN;
  static const int USERSTATUS_USERNOTRECOGNISED;
  static const int USERSTATUS_PASSWORDINCORRECT;
  static const int USERSTATUS_PASSWORDCHANGED;
  static const int USERSTATUS_OTHER;
  ///@}

  /// User request types (FLDTAG_USERREQUESTTYPE); 6 and 8 are not defined.
  ///@{
  static const int USERREQUESTTYPE_LOGONUSER;
  static const int USERREQUESTTYPE_LOGOFFUSER;
  static const int USERREQUESTTYPE_CHANGEPASSWORD;
  static const int USERREQUESTTYPE_USERSTATUS;
  static const int USERREQUESTTYPE_LISTOFSESSIONS;
  static const int USERREQUESTTYPE_ATTACHSESSION;
  static const int USERREQUESTTYPE_OBTAINTOKEN;
  ///@}

  /// News urgency (FLDTAG_URGENCY).
  ///@{
  static const int URGENCY_NORMAL;
  static const int URGENCY_FLASH;
  static const int URGENCY_BACKGROUND;
  ///@}

  /// Market-data update actions (FLDTAG_MDUPDATEACTION).
  ///@{
  static const int MDUPDATEACTION_ADD;
  static const int MDUPDATEACTION_UPDATE;
  static const int MDUPDATEACTION_DELETE;
  ///@}

  /// Continuous-response flags (FLDTAG_QELBCONTINUOUSFLAG).
  ///@{
  static const int QELBCONTINUOUS_SINGLE;
  static const int QELBCONTINUOUS_PACKET;
  static const int QELBCONTINUOUS_END;
  ///@}

  /// Timing intervals (FLDTAG_QELBTIMINGINTERVAL).
  ///@{
  static const int QELBTIMINGINTERVAL_TICK;
  static const int QELBTIMINGINTERVAL_MIN1;
  static const int QELBTIMINGINTERVAL_MIN5;
  static const int QELBTIMINGINTERVAL_MIN15;
  static const int QELBTIMINGINTERVAL_MIN30;
  static const int QELBTIMINGINTERVAL_HOUR1;
  static const int QELBTIMINGINTERVAL_DAY1;
  static const int QELBTIMINGINTERVAL_WEEK1;
  static const int QELBTIMINGINTERVAL_MONTH1;
  ///@}

  /// Trading session modes (FLDTAG_TRADSESMODE).
  ///@{
  static const int TRADSESMODE_TESTING;
  static const int TRADSESMODE_SIMULATED;
  static const int TRADSESMODE_PRODUCTION;
  ///@}

  /// Trading session status (FLDTAG_TRADSESSTATUS).
  ///@{
  static const int TRADSESSTATUS_UNKNOWN;
  static const int TRADSESSTATUS_HALTED;
  static const int TRADSESSTATUS_OPEN;
  static const int TRADSESSTATUS_CLOSED;
  static const int TRADSESSTATUS_PREOPEN;
  static const int TRADSESSTATUS_PRECLOSE;
  static const int TRADSESSTATUS_REQUESTREJECTED;
  ///@}
};
