#include "config/dmJailConfigIni.h"

TdtmJailConfigIni* dtmJailConfigIni = nullptr;

TdtmJailConfigIni::TdtmJailConfigIni() : TdtmJailConfigIni(nullptr) {}

TdtmJailConfigIni::TdtmJailConfigIni(TKsCustomConfigInfo* AConfigInfo)
    : FKsConfigInfo(AConfigInfo) {}

TdtmJailConfigIni::~TdtmJailConfigIni() = default;
