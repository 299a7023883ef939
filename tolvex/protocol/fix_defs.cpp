#include "tolvex/protocol/fix_defs.h"

// One definition per constant, even where two names share a value: clients
// may take a constant's address, and each name is its own exported object.

// Field tags: standard numbers.
const char* IFixDefs::FLDTAG_CURRENCY = "15";
const char* IFixDefs::FLDTAG_MSGSEQNUM = "34";
const char* IFixDefs::FLDTAG_MSGTYPE = "35";
const char* IFixDefs::FLDTAG_ORIGTIME = "42";
const char* IFixDefs::FLDTAG_SYMBOL = "55";
const char* IFixDefs::FLDTAG_TEXT = "58";
const char* IFixDefs::FLDTAG_TRANSACTTIME = "60";
const char* IFixDefs::FLDTAG_URGENCY = "61";
const char* IFixDefs::FLDTAG_TESTREQID = "112";
const char* IFixDefs::FLDTAG_EXPIRETIME = "126";
const char* IFixDefs::FLDTAG_QUOTE_REQ_ID = "131";
const char* IFixDefs::FLDTAG_QUOTE_BIDPX = "132";
const char* IFixDefs::FLDTAG_QUOTE_OFFERPX = "133";
const char* IFixDefs::FLDTAG_NORELATEDSYM = "146";
const char* IFixDefs::FLDTAG_HEADLINE = "148";
const char* IFixDefs::FLDTAG_LINESOFTEXT = "215";
const char* IFixDefs::FLDTAG_MDREQID = "262";
const char* IFixDefs::FLDTAG_SUBSCRIPTIONREQUESTTYPE = "263";
const char* IFixDefs::FLDTAG_MARKETDEPTH = "264";
const char* IFixDefs::FLDTAG_MDUPDATETYPE = "265";
const char* IFixDefs::FLDTAG_NOMDENTRYTYPES = "267";
const char* IFixDefs::FLDTAG_NOMDENTRIES = "268";
const char* IFixDefs::FLDTAG_MDENTRYTYPE = "269";
const char* IFixDefs::FLDTAG_MDENTRYPX = "270";
const char* IFixDefs::FLDTAG_ENTRYSIZE = "271";
const char* IFixDefs::FLDTAG_MDENTRYDATE = "272";
const char* IFixDefs::FLDTAG_MDENTRYTIME = "273";
const char* IFixDefs::FLDTAG_QUOTECONDITION = "276";
const char* IFixDefs::FLDTAG_MDUPDATEACTION = "279";
const char* IFixDefs::FLDTAG_MDREQREJREASON = "281";
const char* IFixDefs::FLDTAG_MDENTRYORIGINATOR = "282";
const char* IFixDefs::FLDTAG_QUOTEENTRYID = "299";
const char* IFixDefs::FLDTAG_UNSOLICITEDINDICATOR = "325";
const char* IFixDefs::FLDTAG_TRADSESREQID = "335";
const char* IFixDefs::FLDTAG_TRADINGSESSIONID = "336";
const char* IFixDefs::FLDTAG_TRADSESMODE = "339";
const char* IFixDefs::FLDTAG_TRADSESSTATUS = "340";
const char* IFixDefs::FLDTAG_TRADSESSTARTTIME = "341";
const char* IFixDefs::FLDTAG_TRADSESOPENTIME = "342";
const char* IFixDefs::FLDTAG_TRADSESCLOSETIME = "344";
const char* IFixDefs::FLDTAG_REFMSGTYPE = "372";
const char* IFixDefs::FLDTAG_BUSINESSREJECTREFID = "379";
const char* IFixDefs::FLDTAG_BUSINESSREJECTREASON = "380";
const char* IFixDefs::FLDTAG_NOTRADINGSESSIONS = "386";
const char* IFixDefs::FLDTAG_EXPIREDATE = "432";
const char* IFixDefs::FLDTAG_PARTYID_SOURCE = "447";
const char* IFixDefs::FLDTAG_PARTYID = "448";
const char* IFixDefs::FLDTAG_PARTY_ROLE = "452";
const char* IFixDefs::FLDTAG_NOPARTYIDS = "453";
const char* IFixDefs::FLDTAG_PARTYSUBID = "523";
const char* IFixDefs::FLDTAG_QUOTETYPE = "537";
const char* IFixDefs::FLDTAG_USERNAME = "553";
const char* IFixDefs::FLDTAG_PASSWORD = "554";
const char* IFixDefs::FLDTAG_OPENTOKEN = "556";
const char* IFixDefs::FLDTAG_ROUNDLOT = "561";
const char* IFixDefs::FLDTAG_TRADSESSTATUSREJREASON = "567";
const char* IFixDefs::FLDTAG_TRADINGSESSIONSUBID = "625";
const char* IFixDefs::FLDTAG_NOPARTYSUBIDS = "802";
const char* IFixDefs::FLDTAG_PARTYSUBIDTYPE = "803";
const char* IFixDefs::FLDTAG_USERREQUESTID = "923";
const char* IFixDefs::FLDTAG_USERREQUESTTYPE = "924";
const char* IFixDefs::FLDTAG_NEWPASSWORD = "925";
const char* IFixDefs::FLDTAG_USERSTATUS = "926";
const char* IFixDefs::FLDTAG_USERSTATUSTEXT = "927";
const char* IFixDefs::FLDTAG_CONTINGENCYTYPE = "1385";
const char* IFixDefs::FLDTAG_ENCRYPTEDNEWPASSWORD = "1404";

// Field tags: platform numbers, 9000 and above.
const char* IFixDefs::FLDTAG_QELBSTART = "9000";
const char* IFixDefs::FLDTAG_QELBSYMID = "9000";
const char* IFixDefs::FLDTAG_QELBSYMPRECISION = "9001";
const char* IFixDefs::FLDTAG_QELBSYMPOINTSIZE = "9002";
const char* IFixDefs::FLDTAG_QELBSYMINTERESTBUY = "9003";
const char* IFixDefs::FLDTAG_QELBSYMINTERESTSELL = "9004";
const char* IFixDefs::FLDTAG_QELBSYMSORTORDER = "9005";
const char* IFixDefs::FLDTAG_QELBSYMMARGINRATIO = "9006";
const char* IFixDefs::FLDTAG_QELBTIMINGINTERVAL = "9011";
const char* IFixDefs::FLDTAG_QELBSTARTDATE = "9012";
const char* IFixDefs::FLDTAG_QELBSTARTTIME = "9013";
const char* IFixDefs::FLDTAG_QELBENDDATE = "9014";
const char* IFixDefs::FLDTAG_QELBENDTIME = "9015";
const char* IFixDefs::FLDTAG_QELBNOPARAM = "9016";
const char* IFixDefs::FLDTAG_QELBPARAMNAME = "9017";
const char* IFixDefs::FLDTAG_QELBPARAMVALUE = "9018";
const char* IFixDefs::FLDTAG_QELBSERVERTIMEZONE = "9019";
const char* IFixDefs::FLDTAG_QELBCONTINUOUSFLAG = "9020";
const char* IFixDefs::FLDTAG_QELBNOSNAPSHOT = "9021";
const char* IFixDefs::FLDTAG_QELBPAGEID = "9022";
const char* IFixDefs::FLDTAG_QELBPAGEVIEWID = "9023";
const char* IFixDefs::FLDTAG_QELBPAGEVIEWLIFETIME = "9024";
const char* IFixDefs::FLDTAG_QELBREQUESTREJECT = "9025";
const char* IFixDefs::FLDTAG_QELBPAGEIDNO = "9026";
const char* IFixDefs::FLDTAG_QELBCLIENTEXTRA = "9027";
const char* IFixDefs::FLDTAG_QELBCOMMANDID = "9028";
const char* IFixDefs::FLDTAG_QELBERRORDETAILS = "9029";
const char* IFixDefs::FLDTAG_QELBSERVERTIMEZONENAME = "9030";
const char* IFixDefs::FLDTAG_EMBMSG = "9036";
const char* IFixDefs::FLDTAG_BATCHREQUEST_BATCHRESPONSE = "9073";
const char* IFixDefs::FLDTAG_RESPONSE_FORMAT = "9074";
const char* IFixDefs::FLDTAG_QELBTIMINGINTERVALEX = "9075";
const char* IFixDefs::FLDTAG_SETTLTYPE = "9075";
const char* IFixDefs::FLDTAG_QELBMDORIGINATOR = "9081";
const char* IFixDefs::FLDTAG_QELBMDQUOTEDATETIME = "9082";
const char* IFixDefs::FLDTAG_QELBMDQUOTEEXPIREDATETIME = "9083";
const char* IFixDefs::FLDTAG_QELBMDQUOTES = "9084";
const char* IFixDefs::FLDTAG_QELBMDPRICELADDERS = "9085";
const char* IFixDefs::FLDTAG_QELBMDLADDERID = "9086";
const char* IFixDefs::FLDTAG_QELBMDENTRYLIST = "9087";
const char* IFixDefs::FLDTAG_QELBMDENTRYAMOUNT = "9088";
const char* IFixDefs::FLDTAG_QELBATTACHSESSION_SID = "9089";
const char* IFixDefs::FLDTAG_QELBCONDDISTSTOP = "9090";
const char* IFixDefs::FLDTAG_QELBCONDDISTLIMIT = "9091";
const char* IFixDefs::FLDTAG_QELBCONDDISTENTRYSTOP = "9092";
const char* IFixDefs::FLDTAG_QELBCONDDISTENTRYLIMIT = "9093";
const char* IFixDefs::FLDTAG_QELBMAXQUANTITY = "9094";
const char* IFixDefs::FLDTAG_QELBMINQUANTITY = "9095";
const char* IFixDefs::FLDTAG_QELBTRADINGSTATUS = "9096";
const char* IFixDefs::FLDTAG_QELBDASMESSAGE_MSGIDEXT = "9097";
const char* IFixDefs::FLDTAG_LAST_MINUTE_VOLUME = "9098";
const char* IFixDefs::FLDTAG_LAST_MINUTE = "9099";
const char* IFixDefs::FLDTAG_QELBINCLUDEWEEKENDS = "9100";
const char* IFixDefs::FLDTAG_QELBCANDLEOPENPRICETYPE = "9101";

// Field tags that are not numbers.
const char* IFixDefs::FLDTAG_EXTRACMD = "EXTRA";
const char* IFixDefs::FLDTAG_BASE64_ENCODED_SIGNATURE =
    "BASE64_ENCODED_SIGNATURE";
const char* IFixDefs::FLDTAG_COMPACT_DATA = "C9000";

// Message types: standard.
const char* IFixDefs::MSGTYPE_HEARTBEAT = "0";
const char* IFixDefs::MSGTYPE_TESTREQUEST = "1";
const char* IFixDefs::MSGTYPE_NEWS = "B";
const char* IFixDefs::MSGTYPE_QUOTE = "S";
const char* IFixDefs::MSGTYPE_MARKETDATAREQUEST = "V";
const char* IFixDefs::MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH = "W";
const char* IFixDefs::MSGTYPE_MARKETDATAREQUESTREJECT = "Y";
const char* IFixDefs::MSGTYPE_TRADINGSESSIONSTATUSREQUEST = "g";
const char* IFixDefs::MSGTYPE_TRADINGSESSIONSTATUS = "h";
const char* IFixDefs::MSGTYPE_BUSINESSMESSAGEREJECT = "j";
const char* IFixDefs::MSGTYPE_USERREQUEST = "BE";
const char* IFixDefs::MSGTYPE_USERRESPONSE = "BF";

// Message types: platform.
const char* IFixDefs::MSGTYPE_QELBNEWSREQUEST = "U50";
const char* IFixDefs::MSGTYPE_QELBNEWSTOPICREQUEST = "U51";
const char* IFixDefs::MSGTYPE_QELBREQUESTREJECT = "U52";
const char* IFixDefs::MSGTYPE_QELBNEWSTOPICRESPONSE = "U53";
const char* IFixDefs::MSGTYPE_QELBREQUEST = "U54";
const char* IFixDefs::MSGTYPE_QELBRESPONSE = "U55";
const char* IFixDefs::MSGTYPE_QELBREQUESTBATCH = "U54.Batch.Req";
const char* IFixDefs::MSGTYPE_QELBRESPONSEBATCH = "U54.Batch";
const char* IFixDefs::MSGTYPE_DASMESSAGE = "U60";
const char* IFixDefs::MSGTYPE_HDSHAKECALL = "U63";
const char* IFixDefs::MSGTYPE_HDSHAKERESP = "U64";
const char* IFixDefs::MSGTYPE_QELBXMLMESSAGE = "RM";
const char* IFixDefs::MSGTYPE_QELBRTMPRESPONSE = "RR";
const char* IFixDefs::MSGTYPE_QELBRTMPMARKETDATASNAPSHOT = "W2";
const char* IFixDefs::MSGTYPE_QELBRTMPOBJECTRESPONSE = "ROR";
const char* IFixDefs::MSGTYPE_RTMP2_COMPACT_REQUEST = "R2Req";
const char* IFixDefs::MSGTYPE_RTMP2_COMPACT_RESPONSE = "R2Res";
const char* IFixDefs::MSGTYPE_RTMP2_COMPACT_MESSAGE = "R2Mes";

// Market-data entry types.
const char* IFixDefs::MDENTRYTYPE_BID = "0";
const char* IFixDefs::MDENTRYTYPE_ASK = "1";
const char* IFixDefs::MDENTRYTYPE_BIDOPEN = "4";
const char* IFixDefs::MDENTRYTYPE_BIDCLOSE = "5";
const char* IFixDefs::MDENTRYTYPE_HIGH = "7";
const char* IFixDefs::MDENTRYTYPE_LOW = "8";
const char* IFixDefs::MDENTRYTYPE_ASKOPEN = "B";
const char* IFixDefs::MDENTRYTYPE_ASKCLOSE = "C";
const char* IFixDefs::MDENTRYTYPE_BIDHIGH = "D";
const char* IFixDefs::MDENTRYTYPE_BIDLOW = "E";
const char* IFixDefs::MDENTRYTYPE_ASKHIGH = "F";
const char* IFixDefs::MDENTRYTYPE_ASKLOW = "G";
const char* IFixDefs::MDENTRYTYPE_VOLUME = "H";

// Subscription request types.
const char* IFixDefs::SUBSCRIPTIONREQUESTTYPE_SNAPSHOT = "0";
const char* IFixDefs::SUBSCRIPTIONREQUESTTYPE_SUBSCRIBE = "1";
const char* IFixDefs::SUBSCRIPTIONREQUESTTYPE_UNSUBSCRIBE = "2";

// Market-data request reject reasons.
const char* IFixDefs::MDREQREJREASON_UNKNOWNSYMBOL = "0";
const char* IFixDefs::MDREQREJREASON_DUPLICATEDMDREQID = "1";
const char* IFixDefs::MDREQREJREASON_PERMISSIONS = "3";
const char* IFixDefs::MDREQREJREASON_SUBSCRIPTIONREQUESTTYPE = "4";
const char* IFixDefs::MDREQREJREASON_MDENTRYTYPE = "8";
const char* IFixDefs::MDREQREJREASON_TRADINGSESSIONID = "9";
const char* IFixDefs::MDREQREJREASON_UNSUPPORTEDSCOPE = "A";

// Quote conditions.
const char* IFixDefs::QUOTECONDITION_ACTIVE = "A";
const char* IFixDefs::QUOTECONDITION_INACTIVE = "B";

// Extended timing intervals.
const char* IFixDefs::QELBTIMINGINTERVALEX_H2 = "h2";
const char* IFixDefs::QELBTIMINGINTERVALEX_H3 = "h3";
const char* IFixDefs::QELBTIMINGINTERVALEX_H4 = "h4";
const char* IFixDefs::QELBTIMINGINTERVALEX_H6 = "h6";
const char* IFixDefs::QELBTIMINGINTERVALEX_H8 = "h8";

// Channels.
const int IFixDefs::CHANNEL_SETTING_DEFAULT = 0;
const int IFixDefs::CHANNEL_MARKET_DATA = 1;
const int IFixDefs::CHANNEL_EXECUTION_REPORT = 2;
const int IFixDefs::CHANNEL_POSITION_REPORT = 4;
const int IFixDefs::CHANNEL_COLLATERAL_REPORT = 8;
const int IFixDefs::CHANNEL_EMAIL = 16;
const int IFixDefs::CHANNEL_NEWS = 32;
const int IFixDefs::CHANNEL_TRADING_SESSION_STATUS = 64;
const int IFixDefs::CHANNEL_SECURITY_STATUS = 128;
const int IFixDefs::CHANNEL_RFQ = 256;
const int IFixDefs::CHANNEL_OTHER = 512;
const int IFixDefs::CHANNEL_TRADING_DATA = 1022;

// Quote types.
const int IFixDefs::QUOTETYPE_INDICATIVE = 0;
const int IFixDefs::QUOTETYPE_TRADEABLE = 1;

// Platform request reject reasons.
const int IFixDefs::QELBREQUESTREJECTREASON_UNKNOWN = 0;
const int IFixDefs::QELBREQUESTREJECTREASON_GENERIC = 1;
const int IFixDefs::QELBREQUESTREJECTREASON_DATA_NOT_FOUND = 2;
const int IFixDefs::QELBREQUESTREJECTREASON_TRADING_SESSION_NOT_FOUND = 3;
const int IFixDefs::QELBREQUESTREJECTREASON_OTHER = 4;

// Business reject reasons.
const int IFixDefs::BUSINESSREJECTREASON_OTHER = 0;
const int IFixDefs::BUSINESSREJECTREASON_UNKNOWN_ID = 1;
const int IFixDefs::BUSINESSREJECTREASON_UNKNOWN_SECURITY = 2;
const int IFixDefs::BUSINESSREJECTREASON_UNSUPPORTED_MESSAGE_TYPE = 3;
const int IFixDefs::BUSINESSREJECTREASON_APPLICATION_NOT_AVAILABLE = 4;
const int IFixDefs::BUSINESSREJECTREASON_CONDITIONALLY_REQUIRED_FIELD_MISSING =
    5;
const int IFixDefs::BUSINESSREJECTREASON_NOT_AUTHORIZED = 6;

// User status.
const int IFixDefs::USERSTATUS_LOGGEDIN = 1;
const int IFixDefs::USERSTATUS_NOTLOGGEDIN = 2;
const int IFixDefs::USERSTATUS_USERNOTRECOGNISED = 3;
const int IFixDefs::USERSTATUS_PASSWORDINCORRECT = 4;
const int IFixDefs::USERSTATUS_PASSWORDCHANGED = 5;
const int IFixDefs::USERSTATUS_OTHER = 6;

// User request types.
const int IFixDefs::USERREQUESTTYPE_LOGONUSER = 1;
const int IFixDefs::USERREQUESTTYPE_LOGOFFUSER = 2;
const int IFixDefs::USERREQUESTTYPE_CHANGEPASSWORD = 3;
const int IFixDefs::USERREQUESTTYPE_USERSTATUS = 4;
const int IFixDefs::USERREQUESTTYPE_LISTOFSESSIONS = 5;
const int IFixDefs::USERREQUESTTYPE_ATTACHSESSION = 7;
const int IFixDefs::USERREQUESTTYPE_OBTAINTOKEN = 9;

// News urgency.
const int IFixDefs::URGENCY_NORMAL = 0;
const int IFixDefs::URGENCY_FLASH = 1;
const int IFixDefs::URGENCY_BACKGROUND = 2;

// Market-data update actions.
const int IFixDefs::MDUPDATEACTION_ADD = 0;
const int IFixDefs::MDUPDATEACTION_UPDATE = 1;
const int IFixDefs::MDUPDATEACTION_DELETE = 2;

// Continuous-response flags.
const int IFixDefs::QELBCONTINUOUS_SINGLE = 0;
const int IFixDefs::QELBCONTINUOUS_PACKET = 1;
const int IFixDefs::QELBCONTINUOUS_END = 2;

// Timing intervals.
const int IFixDefs::QELBTIMINGINTERVAL_TICK = 0;
const int IFixDefs::QELBTIMINGINTERVAL_MIN1 = 1;
const int IFixDefs::QELBTIMINGINTERVAL_MIN5 = 2;
const int IFixDefs::QELBTIMINGINTERVAL_MIN15 = 3;
const int IFixDefs::QELBTIMINGINTERVAL_MIN30 = 4;
const int IFixDefs::QELBTIMINGINTERVAL_HOUR1 = 5;
const int IFixDefs::QELBTIMINGINTERVAL_DAY1 = 6;
const int IFixDefs::QELBTIMINGINTERVAL_WEEK1 = 7;
const int IFixDefs::QELBTIMINGINTERVAL_MONTH1 = 8;

// Trading session modes.
const int IFixDefs::TRADSESMODE_TESTING = 1;
const int IFixDefs::TRADSESMODE_SIMULATED = 2;
const int IFixDefs::TRADSESMODE_PRODUCTION = 3;

// Trading session status.
const int IFixDefs::TRADSESSTATUS_UNKNOWN = 0;
const int IFixDefs::TRADSESSTATUS_HALTED = 1;
const int IFixDefs::TRADSESSTATUS_OPEN = 2;
const int IFixDefs::TRADSESSTATUS_CLOSED = 3;
const int IFixDefs::TRADSESSTATUS_PREOPEN = 4;
const int IFixDefs::TRADSESSTATUS_PRECLOSE = 5;
const int IFixDefs::TRADSESSTATUS_REQUESTREJECTED = 6;
