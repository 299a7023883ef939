#include "tolvex/session/i_session_status.h"

// One definition per constant: clients may take a constant's address, and
// each name is its own exported object.

const int ISessionStatus::STATUSCODE_ERROR = -2;
const int ISessionStatus::STATUSCODE_DISCONNECTED = -1;
const int ISessionStatus::STATUSCODE_READY = 0;
const int ISessionStatus::STATUSCODE_CONNECTING = 1;
const int ISessionStatus::STATUSCODE_SENDING = 2;
const int ISessionStatus::STATUSCODE_RECIEVING = 3;
const int ISessionStatus::STATUSCODE_PROCESSING = 4;
const int ISessionStatus::STATUSCODE_DISCONNECTING = 5;
const int ISessionStatus::STATUSCODE_LOGGEDIN = 6;
const int ISessionStatus::STATUSCODE_WAIT = 7;
const int ISessionStatus::STATUSCODE_EXPIRED = 8;
const int ISessionStatus::STATUSCODE_SHUTDOWN = 9;
const int ISessionStatus::STATUSCODE_FORCED_RELOGIN = 10;
const int ISessionStatus::STATUSCODE_CONNECTED = 11;
const int ISessionStatus::STATUSCODE_LOGGINGIN = 12;
const int ISessionStatus::STATUSCODE_ATTACHING = 13;
const int ISessionStatus::STATUSCODE_EXTRA_AUTH_PASSED = 14;
const int ISessionStatus::STATUSCODE_CRITICAL_ERROR = 15;
const int ISessionStatus::STATUSCODE_RELOGIN_FAILED = 16;

const int ISessionStatus::MSGCODE_NONE = 0;
const int ISessionStatus::MSGCODE_SENDINGREQUEST = 1;
const int ISessionStatus::MSGCODE_COMMBROKEN = 2;
const int ISessionStatus::MSGCODE_TIMEOUT = 3;
const int ISessionStatus::MSGCODE_REQFAILED = 4;
const int ISessionStatus::MSGCODE_REQSENT = 5;
const int ISessionStatus::MSGCODE_CMDFAILED = 6;
const int ISessionStatus::MSGCODE_COMMRESTORE = 7;
const int ISessionStatus::MSGCODE_COMMRESTORED = 8;
const int ISessionStatus::MSGCODE_CONNECTING = 9;
const int ISessionStatus::MSGCODE_CONNFAILED = 10;
const int ISessionStatus::MSGCODE_LOGINFAILED = 11;
const int ISessionStatus::MSGCODE_CONNECTED = 12;
const int ISessionStatus::MSGCODE_DISCONNECTING = 13;
const int ISessionStatus::MSGCODE_SESSNCLOSED = 14;
const int ISessionStatus::MSGCODE_COMMNOTINIT = 15;
const int ISessionStatus::MSGCODE_ASYNCFAILD = 16;
const int ISessionStatus::MSGCODE_SESSIONEXPIRED = 17;
const int ISessionStatus::MSGCODE_WRONGSEQNO = 18;
const int ISessionStatus::MSGCODE_EXTRA_AUTH_FAILED = 19;
const int ISessionStatus::MSGCODE_EXTRA_AUTH_STARTED = 20;
const int ISessionStatus::MSGCODE_RECONNETING = 21;

const char* ISessionStatus::CONNECT_HTTP = "HTTP";
const char* ISessionStatus::CONNECT_TCP = "TCP";
const char* ISessionStatus::CONNECT_SECURE = "S";
const char* ISessionStatus::CONNECT_NONSECURE = " ";

ISessionStatus::~ISessionStatus() {}
