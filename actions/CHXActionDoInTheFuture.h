#ifndef HX_C_HX_ACTION_DO_IN_THE_FUTURE_H
#define HX_C_HX_ACTION_DO_IN_THE_FUTURE_H

#include "actions/CHXActionMakeSceneNodeInvisible.h"

//! Stored under its own type number, it changes a node's visibility exactly as the visibility
//! action does.
class CHXActionDoInTheFuture : public CHXActionMakeSceneNodeInvisible
{
public:
	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
};

#endif
