#include "ZuBase.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// An object that counts its destructions.
class CCounted : public CZuObject
{
public:
    CCounted(int value, int* deletions) : iValue(value), iDeletions(deletions) {}
    ~CCounted() override { ++*iDeletions; }
    int iValue;

private:
    int* iDeletions;
};

int ValueAt(const CZuObjectList& list, int index)
{
    return static_cast<CCounted*>(list.GetAt(index))->iValue;
}

class CByValue : public MZuObjOrderCallback
{
public:
    bool IsBefore(CZuObjectList* list, CZuObject* a, CZuObject* b) override
    {
        EXPECT_NE(list, nullptr);
        ++iCalls;
        return static_cast<CCounted*>(a)->iValue < static_cast<CCounted*>(b)->iValue;
    }
    int iCalls = 0;
};

} // namespace

TEST(ZuObjectList, OwnsFlagDecidesDestruction)
{
    int deletions = 0;
    CCounted* a = new CCounted(1, &deletions);
    CCounted* b = new CCounted(2, &deletions);
    {
        CZuObjectList list(false);
        list.Append(a);
        list.Append(b);
    }
    EXPECT_EQ(deletions, 0);
    CZuObjectList list(false);
    list.Append(a);
    list.Append(nullptr);
    list.Append(b);
    list.DeleteAll();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.Capacity(), 32);

    {
        CZuObjectList owning;
        EXPECT_TRUE(owning.OwnsObjects());
        owning.Append(new CCounted(3, &deletions));
        owning.Append(nullptr);
    }
    EXPECT_EQ(deletions, 3);
}

TEST(ZuObjectList, GrowthDoublesFrom32)
{
    int deletions = 0;
    CZuObjectList list;
    EXPECT_EQ(list.Capacity(), 0);
    for (int i = 0; i < 32; ++i)
        list.Append(new CCounted(i, &deletions));
    EXPECT_EQ(list.Capacity(), 32);
    list.Append(new CCounted(32, &deletions));
    EXPECT_EQ(list.Capacity(), 64);
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(ValueAt(list, i), i);
    CZuObjectList preset(5, false);
    EXPECT_EQ(preset.Capacity(), 5);
    for (int i = 0; i < 6; ++i)
        preset.Append(list.GetAt(i));
    EXPECT_EQ(preset.Capacity(), 10);
}

TEST(ZuObjectList, InsertRemoveFind)
{
    int deletions = 0;
    CZuObjectList list;
    CCounted* a = new CCounted(1, &deletions);
    CCounted* b = new CCounted(2, &deletions);
    CCounted* x = new CCounted(9, &deletions);
    list.Append(a);
    list.Insert(list.GetCount(), b);
    list.Insert(0, x);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list[0], x);
    EXPECT_EQ(list[1], a);
    EXPECT_EQ(list[2], b);
    EXPECT_EQ(list.Find(b), 2);
    EXPECT_EQ(list.Find(nullptr), -1);

    EXPECT_EQ(list.Remove(1), a);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(deletions, 0);
    list.SetAt(0, a);
    EXPECT_EQ(deletions, 0);
    list[1] = x;
    EXPECT_EQ(list.GetAt(1), x);
    list.Delete(1);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(list.GetCount(), 1);
    delete b;
}

TEST(ZuObjectList, RemoveEveryOccurrence)
{
    int deletions = 0;
    CCounted p(0, &deletions), q(1, &deletions), r(2, &deletions);
    CZuObjectList list(false);
    list.Append(&p);
    list.Append(&q);
    list.Append(&p);
    list.Append(&r);
    list.Remove(&p);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list[0], &q);
    EXPECT_EQ(list[1], &r);

    CZuObjectList other(false);
    other.Append(&r);
    list.RemoveSublist(&other);
    list.RemoveSublist(nullptr);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0], &q);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(deletions, 0);
}

TEST(ZuObjectList, SortIsStableInsertionSort)
{
    int deletions = 0;
    CZuObjectList list;
    CCounted* firstTwo = new CCounted(2, &deletions);
    CCounted* secondTwo = new CCounted(2, &deletions);
    list.Append(new CCounted(3, &deletions));
    list.Append(firstTwo);
    list.Append(new CCounted(1, &deletions));
    list.Append(secondTwo);
    CByValue order;
    list.Sort(&order);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(ValueAt(list, 0), 1);
    EXPECT_EQ(list[1], firstTwo);
    EXPECT_EQ(list[2], secondTwo);
    EXPECT_EQ(ValueAt(list, 3), 3);
    EXPECT_LE(order.iCalls, 4 * 4 / 2);
    list.Sort(nullptr);
    EXPECT_EQ(ValueAt(list, 0), 1);
}

TEST(ZuObjectList, SortManyItems)
{
    int deletions = 0;
    CZuObjectList list;
    for (int i = 0; i < 300; ++i)
        list.Append(new CCounted((i * 7919) % 300, &deletions));
    CByValue order;
    list.Sort(&order);
    for (int i = 0; i < 300; ++i)
        EXPECT_EQ(ValueAt(list, i), i);
}

TEST(ZuDataList, LookupByIdAndName)
{
    int deletions = 0;
    CZuDataList list;
    CCounted one(1, &deletions), two(2, &deletions), three(3, &deletions);
    list.AppendData(7, &one, false);
    list.AppendData(CZuString("two"), &two, false);
    list.InsertData(0, CZuString("three"), &three, false);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetData(7), &one);
    EXPECT_EQ(list.GetData(CZuString("two")), &two);
    EXPECT_EQ(list.GetData(CZuString("three")), &three);
    EXPECT_EQ(list.GetData(8), nullptr);
    EXPECT_EQ(list.GetData(CZuString("four")), nullptr);
    // Identifier entries carry an empty name, which (copied into the entry) has no storage and so matches
    // only a name with no storage; name entries carry the identifier 0.
    EXPECT_EQ(list.GetData(CZuString()), &one);
    EXPECT_EQ(list.GetData(CZuString("")), nullptr);
    EXPECT_EQ(list.Get(1)->iName.PtrZ(), nullptr);
    EXPECT_EQ(list.GetData(0), &three);
    EXPECT_EQ(list.Get(0)->iObject, &three);
    list.InsertData(3, 9, &one, false);
    EXPECT_EQ(list.Get(3)->iId, 9);
    list.DeleteData(9);
    list.DeleteData(CZuString("nothing"));
    list.DeleteData(42);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(deletions, 0);
}

TEST(ZuDataList, NameWithNoStorageMatchesOnlyItself)
{
    int deletions = 0;
    CCounted a(1, &deletions), b(2, &deletions);
    CZuDataList list;
    list.AppendData(CZuString("x"), &a, false);
    list.AppendData(CZuString(), &b, false);
    EXPECT_EQ(list.GetData(CZuString()), &b);
    EXPECT_EQ(list.GetData(CZuString("")), nullptr);
    EXPECT_EQ(list.GetData(CZuString("x")), &a);
}

TEST(ZuDataList, EntryOwnsObjectIndependentlyOfList)
{
    int deletions = 0;
    CCounted* notOwned = new CCounted(1, &deletions);
    CZuDataList list(true);
    list.AppendData(1, notOwned, false);
    list.AppendData(2, new CCounted(2, &deletions), true);
    list.DeleteData(1);
    EXPECT_EQ(deletions, 0);
    list.DeleteDataByIndex(0);
    EXPECT_EQ(deletions, 1);
    delete notOwned;
}

TEST(ZuDataList, DeleteAllDeletesDoublyOwnedObjectOnce)
{
    int deletions = 0;
    {
        CZuDataList list(true);
        list.AppendData(1, new CCounted(1, &deletions), true);
        list.AppendData(2, new CCounted(2, &deletions), false);
        list.AppendData(3, nullptr, false);
        list.DeleteAll();
        EXPECT_EQ(deletions, 2);
        EXPECT_EQ(list.GetCount(), 0);
        list.AppendData(4, new CCounted(4, &deletions), false);
    }
    EXPECT_EQ(deletions, 3);
    int kept = 0;
    CCounted* survivor = new CCounted(5, &kept);
    {
        CZuDataList notOwning(false);
        notOwning.AppendData(5, survivor, false);
        notOwning.AppendData(6, new CCounted(6, &kept), true);
    }
    EXPECT_EQ(kept, 1);
    delete survivor;
}

TEST(ZuNameValue, ParseLine)
{
    CZuNameValue* entry = ParseNameValue(CZuString("key=a,b"));
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->iName.PtrZ(), "key");
    EXPECT_STREQ(entry->iValue.PtrZ(), "a");
    EXPECT_STREQ(entry->iRest.PtrZ(), ",b");
    delete entry;

    entry = ParseNameValue(CZuString("key=value"));
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->iValue.PtrZ(), "value");
    EXPECT_TRUE(entry->iRest.IsEmpty());
    delete entry;

    EXPECT_EQ(ParseNameValue(CZuString("=value")), nullptr);
    EXPECT_EQ(ParseNameValue(CZuString("novalue")), nullptr);
    EXPECT_EQ(ParseNameValue(CZuString()), nullptr);

    entry = ParseNameValue(CZuString("key="));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->iValue.IsEmpty());
    EXPECT_TRUE(entry->iRest.IsEmpty());
    delete entry;

    entry = ParseNameValue(CZuString("k=,x=y"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->iValue.IsEmpty());
    EXPECT_STREQ(entry->iRest.PtrZ(), ",x=y");
    delete entry;
}

TEST(ZuNameValueList, InitFromBuffer)
{
    const char text[] = "a=1\r\nb=2\n\n\rnoequals\n=x\nc=3";
    CZuNameValueList list;
    list.InitListFromBuf(text, static_cast<int>(std::strlen(text)));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list.Get(0)->iName.PtrZ(), "a");
    EXPECT_STREQ(list.Get(1)->iName.PtrZ(), "b");
    EXPECT_STREQ(list.GetValue(CZuString("b")).PtrZ(), "2");
    EXPECT_EQ(list.GetObjectList()->GetCount(), 2);
    list.InitListFromBuf(text, 0);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(ZuNameValueList, MissingNameGivesFreshEmptyString)
{
    CZuNameValueList list;
    CZuNameValue* entry = new CZuNameValue;
    entry->iName = "k";
    entry->iValue = "v";
    list.Append(entry);
    CZuString& missing = list.GetValue(CZuString("x"));
    EXPECT_EQ(missing.PtrZ(), nullptr);
    missing = "scribbled";
    EXPECT_EQ(list.GetValue(CZuString("y")).PtrZ(), nullptr);
    list.GetValue(CZuString("k")) = "w";
    EXPECT_STREQ(list.GetValue(CZuString("k")).PtrZ(), "w");
}

namespace
{

class CRef : public CZuObjectRef
{
public:
    explicit CRef(int* deletions) : iDeletions(deletions) {}
    ~CRef() override { ++*iDeletions; }

private:
    int* iDeletions;
};

} // namespace

TEST(ZuObjectRef, ReleaseDeletesAtZero)
{
    int deletions = 0;
    CRef* once = new CRef(&deletions);
    EXPECT_EQ(once->GetID(), -1);
    EXPECT_TRUE(once->Release());
    EXPECT_EQ(deletions, 1);

    CRef* twice = new CRef(&deletions);
    twice->SetID(12);
    EXPECT_EQ(twice->GetID(), 12);
    twice->AddRef();
    EXPECT_FALSE(twice->Release());
    EXPECT_EQ(deletions, 1);
    EXPECT_TRUE(twice->Release());
    EXPECT_EQ(deletions, 2);
}
