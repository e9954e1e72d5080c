#include "toolkit/Logging.h"

Q_LOGGING_CATEGORY(lcHttp, "hoopline.http", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLive, "hoopline.live", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSkin, "hoopline.skin", QtInfoMsg)
