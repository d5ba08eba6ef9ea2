// The script functions the web mail's pages call. Each navigates to an "email://" address that
// the browser serves: the command, then name=value pairs joined by "&". Every value is encoded
// twice, so that "&", "=" and "%" typed in a mail stay part of the value after the browser has
// decoded the address once; the browser decodes each value again after splitting.
function mailgo(command, params) {
  var query = [];
  for (var name in params)
    query.push(name + "=" + encodeURIComponent(encodeURIComponent(String(params[name]))));
  location.href = "email://" + command + (query.length ? "?" + query.join("&") : "");
}

function field(name) {
  var element = document.mailform ? document.mailform.elements[name] : null;
  return element ? element.value : "";
}

// The ticked mails as "-3-7".
function tickedids() {
  var ids = "";
  var boxes = document.getElementsByName("id");
  for (var i = 0; i < boxes.length; i++)
    if (boxes[i].checked) ids += "-" + boxes[i].value;
  return ids;
}

// The login form compares nothing: it opens the inbox.
function login() {
  mailgo("showfolder", {dir: 0});
}

function sendmail(type) {
  var attach = field("attach");
  if (!attach) attach = field("forwardattach");
  mailgo("sendmail", {
    sender: field("sender"),
    receiver: field("receiver"),
    copier: field("copier"),
    title: field("title"),
    content: field("content").replace(/\r\n|\r|\n/g, "<br>"),
    attach: attach,
    type: type
  });
}

function selectall() {
  var all = document.mailform.elements["checkall"].checked;
  var boxes = document.getElementsByName("id");
  for (var i = 0; i < boxes.length; i++) boxes[i].checked = all;
}

function deleteselectmail() {
  mailgo("deleteselectmail", {ids: tickedids()});
}

function moveselectmail() {
  mailgo("moveselectmail", {ids: tickedids(), dir: field("dir")});
}

function replymail(id) {
  mailgo("replymail", {id: id});
}

function forwardmail(id) {
  mailgo("forwardmail", {id: id});
}

function deletemail(id) {
  mailgo("deletemail", {id: id});
}

// Enter in a text box would post the form to the page itself: the mail is sent by its button.
document.addEventListener("submit", function (event) { event.preventDefault(); }, true);
