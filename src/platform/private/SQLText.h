#pragma once

// Private to the SQL layer: reading the shape of a query from its text.
#include <string>
#include <string_view>

namespace platform {

// "SELECT x FROM t" becomes "SELECT rowid, x FROM t", so that the rows can be
// found again for edits. "" when the rows of the query are not rows of one
// table that could be edited: text that does not begin with SELECT, DISTINCT,
// GROUP BY, HAVING, aggregates, compound queries, a subquery among the result
// columns, or an ORDER BY that names result columns by position (a column
// added in front would shift them). Literals, quoted names and comments are
// never read as keywords.
std::string WithRowId(std::string_view sql);

}  // namespace platform
