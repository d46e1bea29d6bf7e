#include "workbench/MessageService.h"

IMessageService::~IMessageService() = default;
