#pragma once
#define kMacroCommandsDialog 12400
#define kNicknameLabel 12401
#define kNicknameEdit 12402
#define kNicknameListLabel 12403
#define kNicknameListNote 12404
#define kNicknameList 12405
#define kMacroRunKind 12406
#define kMacroDeleteKind 12407
#define kMacroActivateKind 12408
#define kMacroDeactivateKind 12409
