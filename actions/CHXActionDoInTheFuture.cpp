#include "actions/CHXActionDoInTheFuture.h"

#include "document/veskTypeCodes.h"

using namespace irr;

s32 CHXActionDoInTheFuture::getType() const
{
	return EHAT_DO_IN_THE_FUTURE;
}

IHXAction* CHXActionDoInTheFuture::clone() const
{
	CHXActionDoInTheFuture* copy = new CHXActionDoInTheFuture();
	copyTo(copy);
	return copy;
}
