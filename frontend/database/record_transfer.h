// The one step of the functions that pair a table's columns with the members of the data a
// window edits: each pair is written once, for both directions.
#pragma once

// The member's value is written to the column when `toSet`, else the column's value is read
// into the member.
template <class Column, class Member>
void Transfer(Column& column, Member& member, bool toSet) {
    if (toSet) {
        column = static_cast<Column>(member);
    } else {
        member = static_cast<Member>(column);
    }
}
