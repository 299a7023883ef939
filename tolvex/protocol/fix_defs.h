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
/// Each declaration shows its constant's value; FixVocabulary names them both
/// ways.
/// Thread-safety: safe to read from any thread; the library never writes them.
class TOLVEX_API IFixDefs {
 public:
  IFixDefs() = delete;

  /// Field tags: standard numbers.
  ///@{
  static const char* FLDTAG_CURRENCY;                 ///< "15"
  static const char* FLDTAG_MSGSEQNUM;                ///< "34"
  static const char* FLDTAG_MSGTYPE;                  ///< "35"
  static const char* FLDTAG_ORIGTIME;                 ///< "42"
  static const char* FLDTAG_SYMBOL;                   ///< "55"
  static const char* FLDTAG_TEXT;                     ///< "58"
  static const char* FLDTAG_TRANSACTTIME;             ///< "60"
  static const char* FLDTAG_URGENCY;                  ///< "61"
  static const char* FLDTAG_TESTREQID;                ///< "112"
  static const char* FLDTAG_EXPIRETIME;               ///< "126"
  static const char* FLDTAG_QUOTE_REQ_ID;             ///< "131"
  static const char* FLDTAG_QUOTE_BIDPX;              ///< "132"
  static const char* FLDTAG_QUOTE_OFFERPX;            ///< "133"
  static const char* FLDTAG_NORELATEDSYM;             ///< "146"
  static const char* FLDTAG_HEADLINE;                 ///< "148"
  static const char* FLDTAG_LINESOFTEXT;              ///< "215"
  static const char* FLDTAG_MDREQID;                  ///< "262"
  static const char* FLDTAG_SUBSCRIPTIONREQUESTTYPE;  ///< "263"
  static const char* FLDTAG_MARKETDEPTH;              ///< "264"
  static const char* FLDTAG_MDUPDATETYPE;             ///< "265"
  static const char* FLDTAG_NOMDENTRYTYPES;           ///< "267"
  static const char* FLDTAG_NOMDENTRIES;              ///< "268"
  static const char* FLDTAG_MDENTRYTYPE;              ///< "269"
  static const char* FLDTAG_MDENTRYPX;                ///< "270"
  static const char* FLDTAG_ENTRYSIZE;                ///< "271"
  static const char* FLDTAG_MDENTRYDATE;              ///< "272"
  static const char* FLDTAG_MDENTRYTIME;              ///< "273"
  static const char* FLDTAG_QUOTECONDITION;           ///< "276"
  static const char* FLDTAG_MDUPDATEACTION;           ///< "279"
  static const char* FLDTAG_MDREQREJREASON;           ///< "281"
  static const char* FLDTAG_MDENTRYORIGINATOR;        ///< "282"
  static const char* FLDTAG_QUOTEENTRYID;             ///< "299"
  static const char* FLDTAG_UNSOLICITEDINDICATOR;     ///< "325"
  static const char* FLDTAG_TRADSESREQID;             ///< "335"
  static const char* FLDTAG_TRADINGSESSIONID;         ///< "336"
  static const char* FLDTAG_TRADSESMODE;              ///< "339"
  static const char* FLDTAG_TRADSESSTATUS;            ///< "340"
  static const char* FLDTAG_TRADSESSTARTTIME;         ///< "341"
  static const char* FLDTAG_TRADSESOPENTIME;          ///< "342"
  static const char* FLDTAG_TRADSESCLOSETIME;         ///< "344"
  static const char* FLDTAG_REFMSGTYPE;               ///< "372"
  static const char* FLDTAG_BUSINESSREJECTREFID;      ///< "379"
  static const char* FLDTAG_BUSINESSREJECTREASON;     ///< "380"
  static const char* FLDTAG_NOTRADINGSESSIONS;        ///< "386"
  static const char* FLDTAG_EXPIREDATE;               ///< "432"
  static const char* FLDTAG_PARTYID_SOURCE;           ///< "447"
  static const char* FLDTAG_PARTYID;                  ///< "448"
  static const char* FLDTAG_PARTY_ROLE;               ///< "452"
  static const char* FLDTAG_NOPARTYIDS;               ///< "453"
  static const char* FLDTAG_PARTYSUBID;               ///< "523"
  static const char* FLDTAG_QUOTETYPE;                ///< "537"
  static const char* FLDTAG_USERNAME;                 ///< "553"
  static const char* FLDTAG_PASSWORD;                 ///< "554"
  static const char* FLDTAG_OPENTOKEN;                ///< "556"
  static const char* FLDTAG_ROUNDLOT;                 ///< "561"
  static const char* FLDTAG_TRADSESSTATUSREJREASON;   ///< "567"
  static const char* FLDTAG_TRADINGSESSIONSUBID;      ///< "625"
  static const char* FLDTAG_NOPARTYSUBIDS;            ///< "802"
  static const char* FLDTAG_PARTYSUBIDTYPE;           ///< "803"
  static const char* FLDTAG_USERREQUESTID;            ///< "923"
  static const char* FLDTAG_USERREQUESTTYPE;          ///< "924"
  static const char* FLDTAG_NEWPASSWORD;              ///< "925"
  static const char* FLDTAG_USERSTATUS;               ///< "926"
  static const char* FLDTAG_USERSTATUSTEXT;           ///< "927"
  static const char* FLDTAG_CONTINGENCYTYPE;          ///< "1385"
  static const char* FLDTAG_ENCRYPTEDNEWPASSWORD;     ///< "1404"
  ///@}

  /// Field tags: platform numbers, 9000 and above.
  ///@{
  static const char* FLDTAG_QELBSTART;                   ///< "9000"
  static const char* FLDTAG_QELBSYMID;                   ///< "9000"
  static const char* FLDTAG_QELBSYMPRECISION;            ///< "9001"
  static const char* FLDTAG_QELBSYMPOINTSIZE;            ///< "9002"
  static const char* FLDTAG_QELBSYMINTERESTBUY;          ///< "9003"
  static const char* FLDTAG_QELBSYMINTERESTSELL;         ///< "9004"
  static const char* FLDTAG_QELBSYMSORTORDER;            ///< "9005"
  static const char* FLDTAG_QELBSYMMARGINRATIO;          ///< "9006"
  static const char* FLDTAG_QELBTIMINGINTERVAL;          ///< "9011"
  static const char* FLDTAG_QELBSTARTDATE;               ///< "9012"
  static const char* FLDTAG_QELBSTARTTIME;               ///< "9013"
  static const char* FLDTAG_QELBENDDATE;                 ///< "9014"
  static const char* FLDTAG_QELBENDTIME;                 ///< "9015"
  static const char* FLDTAG_QELBNOPARAM;                 ///< "9016"
  static const char* FLDTAG_QELBPARAMNAME;               ///< "9017"
  static const char* FLDTAG_QELBPARAMVALUE;              ///< "9018"
  static const char* FLDTAG_QELBSERVERTIMEZONE;          ///< "9019"
  static const char* FLDTAG_QELBCONTINUOUSFLAG;          ///< "9020"
  static const char* FLDTAG_QELBNOSNAPSHOT;              ///< "9021"
  static const char* FLDTAG_QELBPAGEID;                  ///< "9022"
  static const char* FLDTAG_QELBPAGEVIEWID;              ///< "9023"
  static const char* FLDTAG_QELBPAGEVIEWLIFETIME;        ///< "9024"
  static const char* FLDTAG_QELBREQUESTREJECT;           ///< "9025"
  static const char* FLDTAG_QELBPAGEIDNO;                ///< "9026"
  static const char* FLDTAG_QELBCLIENTEXTRA;             ///< "9027"
  static const char* FLDTAG_QELBCOMMANDID;               ///< "9028"
  static const char* FLDTAG_QELBERRORDETAILS;            ///< "9029"
  static const char* FLDTAG_QELBSERVERTIMEZONENAME;      ///< "9030"
  static const char* FLDTAG_EMBMSG;                      ///< "9036"
  static const char* FLDTAG_BATCHREQUEST_BATCHRESPONSE;  ///< "9073"
  static const char* FLDTAG_RESPONSE_FORMAT;             ///< "9074"
  static const char* FLDTAG_QELBTIMINGINTERVALEX;        ///< "9075"
  static const char* FLDTAG_SETTLTYPE;                   ///< "9075"
  static const char* FLDTAG_QELBMDORIGINATOR;            ///< "9081"
  static const char* FLDTAG_QELBMDQUOTEDATETIME;         ///< "9082"
  static const char* FLDTAG_QELBMDQUOTEEXPIREDATETIME;   ///< "9083"
  static const char* FLDTAG_QELBMDQUOTES;                ///< "9084"
  static const char* FLDTAG_QELBMDPRICELADDERS;          ///< "9085"
  static const char* FLDTAG_QELBMDLADDERID;              ///< "9086"
  static const char* FLDTAG_QELBMDENTRYLIST;             ///< "9087"
  static const char* FLDTAG_QELBMDENTRYAMOUNT;           ///< "9088"
  static const char* FLDTAG_QELBATTACHSESSION_SID;       ///< "9089"
  static const char* FLDTAG_QELBCONDDISTSTOP;            ///< "9090"
  static const char* FLDTAG_QELBCONDDISTLIMIT;           ///< "9091"
  static const char* FLDTAG_QELBCONDDISTENTRYSTOP;       ///< "9092"
  static const char* FLDTAG_QELBCONDDISTENTRYLIMIT;      ///< "9093"
  static const char* FLDTAG_QELBMAXQUANTITY;             ///< "9094"
  static const char* FLDTAG_QELBMINQUANTITY;             ///< "9095"
  static const char* FLDTAG_QELBTRADINGSTATUS;           ///< "9096"
  static const char* FLDTAG_QELBDASMESSAGE_MSGIDEXT;     ///< "9097"
  static const char* FLDTAG_LAST_MINUTE_VOLUME;          ///< "9098"
  static const char* FLDTAG_LAST_MINUTE;                 ///< "9099"
  static const char* FLDTAG_QELBINCLUDEWEEKENDS;         ///< "9100"
  static const char* FLDTAG_QELBCANDLEOPENPRICETYPE;     ///< "9101"
  ///@}

  /// Field tags that are not numbers.
  ///@{
  static const char* FLDTAG_EXTRACMD;  ///< "EXTRA"
  static const char*
      FLDTAG_BASE64_ENCODED_SIGNATURE;     ///< "BASE64_ENCODED_SIGNATURE"
  static const char* FLDTAG_COMPACT_DATA;  ///< "C9000"
  ///@}

  /// Message types: standard.
  ///@{
  static const char* MSGTYPE_HEARTBEAT;                      ///< "0"
  static const char* MSGTYPE_TESTREQUEST;                    ///< "1"
  static const char* MSGTYPE_NEWS;                           ///< "B"
  static const char* MSGTYPE_QUOTE;                          ///< "S"
  static const char* MSGTYPE_MARKETDATAREQUEST;              ///< "V"
  static const char* MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH;  ///< "W"
  static const char* MSGTYPE_MARKETDATAREQUESTREJECT;        ///< "Y"
  static const char* MSGTYPE_TRADINGSESSIONSTATUSREQUEST;    ///< "g"
  static const char* MSGTYPE_TRADINGSESSIONSTATUS;           ///< "h"
  static const char* MSGTYPE_BUSINESSMESSAGEREJECT;          ///< "j"
  static const char* MSGTYPE_USERREQUEST;                    ///< "BE"
  static const char* MSGTYPE_USERRESPONSE;                   ///< "BF"
  ///@}

  /// Message types: platform.
  ///@{
  static const char* MSGTYPE_QELBNEWSREQUEST;             ///< "U50"
  static const char* MSGTYPE_QELBNEWSTOPICREQUEST;        ///< "U51"
  static const char* MSGTYPE_QELBREQUESTREJECT;           ///< "U52"
  static const char* MSGTYPE_QELBNEWSTOPICRESPONSE;       ///< "U53"
  static const char* MSGTYPE_QELBREQUEST;                 ///< "U54"
  static const char* MSGTYPE_QELBRESPONSE;                ///< "U55"
  static const char* MSGTYPE_QELBREQUESTBATCH;            ///< "U54.Batch.Req"
  static const char* MSGTYPE_QELBRESPONSEBATCH;           ///< "U54.Batch"
  static const char* MSGTYPE_DASMESSAGE;                  ///< "U60"
  static const char* MSGTYPE_HDSHAKECALL;                 ///< "U63"
  static const char* MSGTYPE_HDSHAKERESP;                 ///< "U64"
  static const char* MSGTYPE_QELBXMLMESSAGE;              ///< "RM"
  static const char* MSGTYPE_QELBRTMPRESPONSE;            ///< "RR"
  static const char* MSGTYPE_QELBRTMPMARKETDATASNAPSHOT;  ///< "W2"
  static const char* MSGTYPE_QELBRTMPOBJECTRESPONSE;      ///< "ROR"
  static const char* MSGTYPE_RTMP2_COMPACT_REQUEST;       ///< "R2Req"
  static const char* MSGTYPE_RTMP2_COMPACT_RESPONSE;      ///< "R2Res"
  static const char* MSGTYPE_RTMP2_COMPACT_MESSAGE;       ///< "R2Mes"
  ///@}

  /// Market-data entry types (FLDTAG_MDENTRYTYPE).
  ///@{
  static const char* MDENTRYTYPE_BID;       ///< "0"
  static const char* MDENTRYTYPE_ASK;       ///< "1"
  static const char* MDENTRYTYPE_BIDOPEN;   ///< "4"
  static const char* MDENTRYTYPE_BIDCLOSE;  ///< "5"
  static const char* MDENTRYTYPE_HIGH;      ///< "7"
  static const char* MDENTRYTYPE_LOW;       ///< "8"
  static const char* MDENTRYTYPE_ASKOPEN;   ///< "B"
  static const char* MDENTRYTYPE_ASKCLOSE;  ///< "C"
  static const char* MDENTRYTYPE_BIDHIGH;   ///< "D"
  static const char* MDENTRYTYPE_BIDLOW;    ///< "E"
  static const char* MDENTRYTYPE_ASKHIGH;   ///< "F"
  static const char* MDENTRYTYPE_ASKLOW;    ///< "G"
  static const char* MDENTRYTYPE_VOLUME;    ///< "H"
  ///@}

  /// Subscription request types (FLDTAG_SUBSCRIPTIONREQUESTTYPE).
  ///@{
  static const char* SUBSCRIPTIONREQUESTTYPE_SNAPSHOT;     ///< "0"
  static const char* SUBSCRIPTIONREQUESTTYPE_SUBSCRIBE;    ///< "1"
  static const char* SUBSCRIPTIONREQUESTTYPE_UNSUBSCRIBE;  ///< "2"
  ///@}

  /// Market-data request reject reasons (FLDTAG_MDREQREJREASON).
  ///@{
  static const char* MDREQREJREASON_UNKNOWNSYMBOL;            ///< "0"
  static const char* MDREQREJREASON_DUPLICATEDMDREQID;        ///< "1"
  static const char* MDREQREJREASON_PERMISSIONS;              ///< "3"
  static const char* MDREQREJREASON_SUBSCRIPTIONREQUESTTYPE;  ///< "4"
  static const char* MDREQREJREASON_MDENTRYTYPE;              ///< "8"
  static const char* MDREQREJREASON_TRADINGSESSIONID;         ///< "9"
  static const char* MDREQREJREASON_UNSUPPORTEDSCOPE;         ///< "A"
  ///@}

  /// Quote conditions (FLDTAG_QUOTECONDITION).
  ///@{
  static const char* QUOTECONDITION_ACTIVE;    ///< "A"
  static const char* QUOTECONDITION_INACTIVE;  ///< "B"
  ///@}

  /// Extended timing intervals, hour multiples (FLDTAG_QELBTIMINGINTERVALEX).
  ///@{
  static const char* QELBTIMINGINTERVALEX_H2;  ///< "h2"
  static const char* QELBTIMINGINTERVALEX_H3;  ///< "h3"
  static const char* QELBTIMINGINTERVALEX_H4;  ///< "h4"
  static const char* QELBTIMINGINTERVALEX_H6;  ///< "h6"
  static const char* QELBTIMINGINTERVALEX_H8;  ///< "h8"
  ///@}

  /// Channels, bit flags. CHANNEL_TRADING_DATA is every channel bit but
  /// CHANNEL_MARKET_DATA.
  ///@{
  static const int CHANNEL_SETTING_DEFAULT;         ///< 0
  static const int CHANNEL_MARKET_DATA;             ///< 1
  static const int CHANNEL_EXECUTION_REPORT;        ///< 2
  static const int CHANNEL_POSITION_REPORT;         ///< 4
  static const int CHANNEL_COLLATERAL_REPORT;       ///< 8
  static const int CHANNEL_EMAIL;                   ///< 16
  static const int CHANNEL_NEWS;                    ///< 32
  static const int CHANNEL_TRADING_SESSION_STATUS;  ///< 64
  static const int CHANNEL_SECURITY_STATUS;         ///< 128
  static const int CHANNEL_RFQ;                     ///< 256
  static const int CHANNEL_OTHER;                   ///< 512
  static const int CHANNEL_TRADING_DATA;            ///< 1022
  ///@}

  /// Quote types (FLDTAG_QUOTETYPE).
  ///@{
  static const int QUOTETYPE_INDICATIVE;  ///< 0
  static const int QUOTETYPE_TRADEABLE;   ///< 1
  ///@}

  /// Platform request reject reasons.
  ///@{
  static const int QELBREQUESTREJECTREASON_UNKNOWN;                    ///< 0
  static const int QELBREQUESTREJECTREASON_GENERIC;                    ///< 1
  static const int QELBREQUESTREJECTREASON_DATA_NOT_FOUND;             ///< 2
  static const int QELBREQUESTREJECTREASON_TRADING_SESSION_NOT_FOUND;  ///< 3
  static const int QELBREQUESTREJECTREASON_OTHER;                      ///< 4
  ///@}

  /// Business reject reasons (FLDTAG_BUSINESSREJECTREASON).
  ///@{
  static const int BUSINESSREJECTREASON_OTHER;                      ///< 0
  static const int BUSINESSREJECTREASON_UNKNOWN_ID;                 ///< 1
  static const int BUSINESSREJECTREASON_UNKNOWN_SECURITY;           ///< 2
  static const int BUSINESSREJECTREASON_UNSUPPORTED_MESSAGE_TYPE;   ///< 3
  static const int BUSINESSREJECTREASON_APPLICATION_NOT_AVAILABLE;  ///< 4
  static const int
      BUSINESSREJECTREASON_CONDITIONALLY_REQUIRED_FIELD_MISSING;  ///< 5
  static const int BUSINESSREJECTREASON_NOT_AUTHORIZED;           ///< 6
  ///@}

  /// User status (FLDTAG_USERSTATUS).
  ///@{
  static const int USERSTATUS_LOGGEDIN;           ///< 1
  static const int USERSTATUS_NOTLOGGEDIN;        ///< 2
  static const int USERSTATUS_USERNOTRECOGNISED;  ///< 3
  static const int USERSTATUS_PASSWORDINCORRECT;  ///< 4
  static const int USERSTATUS_PASSWORDCHANGED;    ///< 5
  static const int USERSTATUS_OTHER;              ///< 6
  ///@}

  /// User request types (FLDTAG_USERREQUESTTYPE); 6 and 8 are not defined.
  ///@{
  static const int USERREQUESTTYPE_LOGONUSER;       ///< 1
  static const int USERREQUESTTYPE_LOGOFFUSER;      ///< 2
  static const int USERREQUESTTYPE_CHANGEPASSWORD;  ///< 3
  static const int USERREQUESTTYPE_USERSTATUS;      ///< 4
  static const int USERREQUESTTYPE_LISTOFSESSIONS;  ///< 5
  static const int USERREQUESTTYPE_ATTACHSESSION;   ///< 7
  static const int USERREQUESTTYPE_OBTAINTOKEN;     ///< 9
  ///@}

  /// News urgency (FLDTAG_URGENCY).
  ///@{
  static const int URGENCY_NORMAL;      ///< 0
  static const int URGENCY_FLASH;       ///< 1
  static const int URGENCY_BACKGROUND;  ///< 2
  ///@}

  /// Market-data update actions (FLDTAG_MDUPDATEACTION).
  ///@{
  static const int MDUPDATEACTION_ADD;     ///< 0
  static const int MDUPDATEACTION_UPDATE;  ///< 1
  static const int MDUPDATEACTION_DELETE;  ///< 2
  ///@}

  /// Continuous-response flags (FLDTAG_QELBCONTINUOUSFLAG).
  ///@{
  static const int QELBCONTINUOUS_SINGLE;  ///< 0
  static const int QELBCONTINUOUS_PACKET;  ///< 1
  static const int QELBCONTINUOUS_END;     ///< 2
  ///@}

  /// Timing intervals (FLDTAG_QELBTIMINGINTERVAL).
  ///@{
  static const int QELBTIMINGINTERVAL_TICK;    ///< 0
  static const int QELBTIMINGINTERVAL_MIN1;    ///< 1
  static const int QELBTIMINGINTERVAL_MIN5;    ///< 2
  static const int QELBTIMINGINTERVAL_MIN15;   ///< 3
  static const int QELBTIMINGINTERVAL_MIN30;   ///< 4
  static const int QELBTIMINGINTERVAL_HOUR1;   ///< 5
  static const int QELBTIMINGINTERVAL_DAY1;    ///< 6
  static const int QELBTIMINGINTERVAL_WEEK1;   ///< 7
  static const int QELBTIMINGINTERVAL_MONTH1;  ///< 8
  ///@}

  /// Trading session modes (FLDTAG_TRADSESMODE).
  ///@{
  static const int TRADSESMODE_TESTING;     ///< 1
  static const int TRADSESMODE_SIMULATED;   ///< 2
  static const int TRADSESMODE_PRODUCTION;  ///< 3
  ///@}

  /// Trading session status (FLDTAG_TRADSESSTATUS).
  ///@{
  static const int TRADSESSTATUS_UNKNOWN;          ///< 0
  static const int TRADSESSTATUS_HALTED;           ///< 1
  static const int TRADSESSTATUS_OPEN;             ///< 2
  static const int TRADSESSTATUS_CLOSED;           ///< 3
  static const int TRADSESSTATUS_PREOPEN;          ///< 4
  static const int TRADSESSTATUS_PRECLOSE;         ///< 5
  static const int TRADSESSTATUS_REQUESTREJECTED;  ///< 6
  ///@}
};
